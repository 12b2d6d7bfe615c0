<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation>Ungültige Profildatei. Dies ist kein Profil für Quilbex Pedals.</translation>
    </message>
    <message>
        <source>That file could not be found. Please check the path and try again.</source>
        <translation>Die Datei wurde nicht gefunden. Bitte prüfen Sie den Pfad und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please choose a firmware file with the .bin extension.</source>
        <translation>Bitte wählen Sie eine Firmware-Datei mit der Endung .bin.</translation>
    </message>
    <message>
        <source>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</source>
        <translation>Die Datei konnte nicht geöffnet werden. Möglicherweise wird sie gerade verwendet oder Ihnen fehlt die Leseberechtigung.</translation>
    </message>
    <message>
        <source>That firmware file appears to be empty. Please export or download it again.</source>
        <translation>Die Firmware-Datei scheint leer zu sein. Bitte exportieren Sie sie erneut oder laden Sie sie noch einmal herunter.</translation>
    </message>
    <message>
        <source>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</source>
        <translation>Diese Firmware-Datei ist zu groß für Ihre Pedale (%1 KB). Die maximal unterstützte Größe beträgt %2 KB.</translation>
    </message>
    <message>
        <source>We couldn&apos;t read a version from the file name.</source>
        <translation>Aus dem Dateinamen ließ sich keine Version ermitteln.</translation>
    </message>
    <message>
        <source>Connect your pedals to see the current firmware version.</source>
        <translation>Schließen Sie Ihre Pedale an, um die aktuelle Firmware-Version zu sehen.</translation>
    </message>
    <message>
        <source>A newer firmware version is available in this file.</source>
        <translation>Diese Datei enthält eine neuere Firmware-Version.</translation>
    </message>
    <message>
        <source>This file looks older than the firmware on your pedals.</source>
        <translation>Diese Datei scheint älter zu sein als die Firmware auf Ihren Pedalen.</translation>
    </message>
    <message>
        <source>This file matches the firmware already on your pedals.</source>
        <translation>Diese Datei entspricht der Firmware, die bereits auf Ihren Pedalen installiert ist.</translation>
    </message>
    <message>
        <source>Starting update using: %1</source>
        <translation>Update wird gestartet mit: %1</translation>
    </message>
    <message>
        <source>Something went wrong inside the application. Please restart Quilbex Control and try again.</source>
        <translation>In der Anwendung ist ein interner Fehler aufgetreten. Bitte starten Sie Quilbex Control neu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>We couldn&apos;t find your pedals. Please connect them with USB and try again.</source>
        <translation>Ihre Pedale wurden nicht gefunden. Bitte schließen Sie sie per USB an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Your pedals are already in update mode. Continuing with the transfer…</source>
        <translation>Ihre Pedale sind bereits im Update-Modus. Die Übertragung wird fortgesetzt…</translation>
    </message>
    <message>
        <source>Switching your pedals to update mode…</source>
        <translation>Pedale werden in den Update-Modus versetzt…</translation>
    </message>
    <message>
        <source>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</source>
        <translation>Das Update konnte nicht gestartet werden. Bitte lassen Sie das USB-Kabel angeschlossen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</source>
        <translation>Im Update-Modus konnte keine Verbindung zu Ihren Pedalen hergestellt werden. Ziehen Sie das USB-Kabel ab und stecken Sie es wieder ein.</translation>
    </message>
    <message>
        <source>Firmware installed. Waiting for your pedals to restart…</source>
        <translation>Firmware installiert. Warten auf den Neustart der Pedale…</translation>
    </message>
    <message>
        <source>Your pedals are connected again.</source>
        <translation>Ihre Pedale sind wieder verbunden.</translation>
    </message>
    <message>
        <source>Waiting for your pedals to appear in update mode…</source>
        <translation>Warten, bis die Pedale im Update-Modus erscheinen…</translation>
    </message>
    <message>
        <source>Update canceled while waiting for update mode.</source>
        <translation>Update beim Warten auf den Update-Modus abgebrochen.</translation>
    </message>
    <message>
        <source>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</source>
        <translation>Ihre Pedale sind nicht rechtzeitig in den Update-Modus gewechselt. Ziehen Sie das USB-Kabel ab, stecken Sie es wieder ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Preparing the update (%1 KB)…</source>
        <translation>Update wird vorbereitet (%1 KB)…</translation>
    </message>
    <message>
        <source>Your pedals couldn&apos;t accept this firmware file: %1</source>
        <translation>Ihre Pedale haben diese Firmware-Datei nicht angenommen: %1</translation>
    </message>
    <message>
        <source>The update stopped unexpectedly right after it started. Please try again.</source>
        <translation>Das Update wurde direkt nach dem Start unerwartet beendet. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Installing firmware…</source>
        <translation>Firmware wird installiert…</translation>
    </message>
    <message>
        <source>Update canceled while installing firmware.</source>
        <translation>Update während der Firmware-Installation abgebrochen.</translation>
    </message>
    <message>
        <source>The update paused too long without a reply from your pedals. %1</source>
        <translation>Ihre Pedale haben während des Updates zu lange nicht geantwortet. %1</translation>
    </message>
    <message>
        <source>Your pedals reported a problem during the update: %1</source>
        <translation>Ihre Pedale haben während des Updates einen Fehler gemeldet: %1</translation>
    </message>
    <message>
        <source>The update lost sync with your pedals. Please try again from the beginning.</source>
        <translation>Das Update hat die Synchronisation mit Ihren Pedalen verloren. Bitte beginnen Sie noch einmal von vorn.</translation>
    </message>
    <message>
        <source>The device didn&apos;t confirm the update finished cleanly. %1</source>
        <translation>Das Gerät hat den fehlerfreien Abschluss des Updates nicht bestätigt. %1</translation>
    </message>
    <message>
        <source>Installing… %1% complete</source>
        <translation>Installation… %1&#xa0;% abgeschlossen</translation>
    </message>
    <message>
        <source>Looking for your pedals again after the restart…</source>
        <translation>Pedale werden nach dem Neustart erneut gesucht…</translation>
    </message>
    <message>
        <source>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</source>
        <translation>Die Firmware wurde installiert, aber die Verbindung zu Ihren Pedalen konnte nicht rechtzeitig wiederhergestellt werden.

Bitte ziehen Sie das USB-Kabel ab, stecken Sie es wieder ein und öffnen Sie diese Seite bei Bedarf erneut.</translation>
    </message>
    <message>
        <source>Cannot create profiles directory: %1</source>
        <translation>Profilordner kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Cannot open file: %1</source>
        <translation>Datei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Cannot write: %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>Schreiben fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>Cannot delete: %1</source>
        <translation>Löschen nicht möglich: %1</translation>
    </message>
    <message>
        <source>Name is empty</source>
        <translation>Der Name ist leer</translation>
    </message>
    <message>
        <source>Name contains invalid characters</source>
        <translation>Der Name enthält ungültige Zeichen</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>VID / PID</source>
        <translation>VID / PID</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</source>
        <translation>Die Pedale wurden gefunden, aber dieser Benutzer darf nicht auf sie zugreifen (Zugriff verweigert). Installieren Sie die mit Quilbex Control gelieferte udev-Regel (siehe README, Abschnitt „Linux device permissions“), ziehen Sie dann die Pedale ab und stecken Sie sie wieder ein.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Quilbex Pedals</source>
        <translation>Quilbex Pedals</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Quilbex Control</source>
        <translation>Quilbex Control</translation>
    </message>
    <message>
        <source>Pedals</source>
        <translation>Pedale</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</source>
        <translation>Ein Firmware-Update läuft.

Wenn Sie diese Seite jetzt verlassen, können Sie den Fortschritt schlechter verfolgen und das Update nicht mehr so leicht sicher abbrechen.

Möchten Sie auf der Update-Seite bleiben?</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <translation>Seite: %1</translation>
    </message>
    <message>
        <source>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</source>
        <translation>Ein Firmware-Update läuft noch.

Wenn Sie Quilbex Control jetzt schließen, kann das Update unterbrochen werden und Ihre Pedale bleiben möglicherweise in einem unvollständigen Zustand.

Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Not calibrated</source>
        <translation>Nicht kalibriert</translation>
    </message>
    <message>
        <source>Calibration completed</source>
        <translation>Kalibrierung abgeschlossen</translation>
    </message>
    <message>
        <source>Calibration failed — press pedal fully</source>
        <translation>Kalibrierung fehlgeschlagen – Pedal ganz durchtreten</translation>
    </message>
    <message>
        <source>Raw ADC</source>
        <translation>Roh-ADC</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Deadzone top</source>
        <translation>Totzone oben</translation>
    </message>
    <message>
        <source>Deadzone bottom</source>
        <translation>Totzone unten</translation>
    </message>
    <message>
        <source>Filter / smooth</source>
        <translation>Filter / Glättung</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Toggle calibration mode (auto-stops in 15 s).
Press the full pedal travel before stopping.</source>
        <translation>Kalibriermodus ein-/ausschalten (endet automatisch nach 15 s).
Treten Sie das Pedal vor dem Beenden einmal über den gesamten Pedalweg durch.</translation>
    </message>
    <message>
        <source>Stop Calibration</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Start Calibration</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Clear calibration data for this channel</source>
        <translation>Kalibrierdaten dieses Pedals löschen</translation>
    </message>
    <message>
        <source>Filter strength: 0 = fastest response, 6 = smoothest</source>
        <translation>Filterstärke: 0 = schnellste Reaktion, 6 = stärkste Glättung</translation>
    </message>
    <message>
        <source>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</source>
        <translation>Totzonen, Filter und Kurve dieser Spalte auf das Gerät schreiben. Nicht geschriebene Änderungen in anderen Spalten werden nicht übertragen.</translation>
    </message>
    <message>
        <source>SAVED</source>
        <translation>✓ OK</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
    <message>
        <source>Linear — linear pedal response</source>
        <translation>Linear – lineares Ansprechverhalten</translation>
    </message>
    <message>
        <source>S-Curve — more sensitivity in the middle</source>
        <translation>S-Kurve – feinfühliger im mittleren Bereich</translation>
    </message>
    <message>
        <source>Early — more sensitivity at the start</source>
        <translation>Früh – feinfühliger am Anfang des Pedalwegs</translation>
    </message>
    <message>
        <source>Late — more sensitivity at the end</source>
        <translation>Spät – feinfühliger am Ende des Pedalwegs</translation>
    </message>
    <message>
        <source>Custom — drag points on the chart</source>
        <translation>Benutzerdefiniert – Punkte im Diagramm ziehen</translation>
    </message>
    <message>
        <source>Calibrating... (move pedal full range)  %1 s</source>
        <translation>Kalibrierung läuft… (Pedal über den gesamten Weg bewegen)  %1 s</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Bremse</translation>
    </message>
    <message>
        <source>Clutch</source>
        <translation>Kupplung</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Device connection status</source>
        <translation>Verbindungsstatus des Geräts</translation>
    </message>
    <message>
        <source>Language, theme, and default paths. (Theme remains a placeholder in this version.)</source>
        <translation>Sprache, Design und Standardpfade. (Das Design ist in dieser Version noch ein Platzhalter.)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Light (placeholder)</source>
        <translation>Hell (Platzhalter)</translation>
    </message>
    <message>
        <source>Quilbex Pedals profile (*.json);;All files (*)</source>
        <translation>Profil für Quilbex Pedals (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Profile has unsaved changes in the editor.</source>
        <translation>Das Profil hat ungespeicherte Änderungen im Editor.</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Profilname:</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>Profil laden</translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation>Laden fehlgeschlagen</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Profil löschen</translation>
    </message>
    <message>
        <source>At least one profile must remain.</source>
        <translation>Mindestens ein Profil muss erhalten bleiben.</translation>
    </message>
    <message>
        <source>Permanently delete profile &quot;%1&quot;?</source>
        <translation>Profil „%1“ endgültig löschen?</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Rename profile</source>
        <translation>Profil umbenennen</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Profil importieren</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Profil exportieren</translation>
    </message>
    <message>
        <source>Cannot overwrite target file.</source>
        <translation>Die Zieldatei kann nicht überschrieben werden.</translation>
    </message>
    <message>
        <source>Export failed.</source>
        <translation>Export fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</source>
        <translation>Wählen Sie eine Firmware-Datei, prüfen Sie die Versionsangaben unten und starten Sie das Update, sobald Sie bereit sind. Enthält der Dateiname eine Version wie 2.0.7, wird sie hier zum schnellen Vergleich angezeigt.</translation>
    </message>
    <message>
        <source>Current firmware:</source>
        <translation>Aktuelle Firmware:</translation>
    </message>
    <message>
        <source>Selected file:</source>
        <translation>Ausgewählte Datei:</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>Dateiversion:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Update progress will appear here.</source>
        <translation>Hier wird der Fortschritt des Updates angezeigt.</translation>
    </message>
    <message>
        <source>Choose firmware file</source>
        <translation>Firmware-Datei wählen</translation>
    </message>
    <message>
        <source>Start update</source>
        <translation>Update starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Choose a firmware file to see how it compares to your pedals.</source>
        <translation>Wählen Sie eine Firmware-Datei, um sie mit der Firmware Ihrer Pedale zu vergleichen.</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Ausgewählt: %1</translation>
    </message>
    <message>
        <source>Firmware files (*.bin);;All files (*.*)</source>
        <translation>Firmware-Dateien (*.bin);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Please choose a firmware file (.bin) first.</source>
        <translation>Bitte wählen Sie zuerst eine Firmware-Datei (.bin).</translation>
    </message>
    <message>
        <source>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</source>
        <translation>Das Firmware-Update beginnt gleich.

Bitte lassen Sie das USB-Kabel angeschlossen und diese Anwendung geöffnet, bis das Update abgeschlossen ist.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Starting update…</source>
        <translation>Update wird gestartet…</translation>
    </message>
    <message>
        <source>Cancel requested. The update will stop as soon as the current step is safe to end.</source>
        <translation>Abbruch angefordert. Das Update wird beendet, sobald der aktuelle Schritt sicher abgeschlossen werden kann.</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Update abgeschlossen</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.

Current firmware version: %1</source>
        <translation>Ihre Pedale wurden erfolgreich aktualisiert.

Aktuelle Firmware-Version: %1</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.</source>
        <translation>Ihre Pedale wurden erfolgreich aktualisiert.</translation>
    </message>
    <message>
        <source>Update could not be completed</source>
        <translation>Update konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>Not an executable file name: &quot;%1&quot;</source>
        <translation>Kein gültiger Programmdateiname: „%1“</translation>
    </message>
    <message>
        <source>The pedals are not connected.</source>
        <translation>Die Pedale sind nicht verbunden.</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>Spiele…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen…</translation>
    </message>
    <message>
        <source>%1 ended, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 beendet, aber der Editor enthält ungespeicherte Änderungen: Das Profil wurde nicht gewechselt.</translation>
    </message>
    <message>
        <source>%1 started, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 gestartet, aber der Editor enthält ungespeicherte Änderungen: Das Profil wurde nicht gewechselt.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold the settings from before the game.</source>
        <translation>%1 beendet: Die Einstellungen von vor dem Spiel sind bereits auf den Pedalen.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before the game were restored.</source>
        <translation>%1 beendet: Die Einstellungen von vor dem Spiel wurden wiederhergestellt.</translation>
    </message>
    <message>
        <source>These games switch the pedals to this profile when they start:</source>
        <translation>Diese Spiele schalten die Pedale beim Start auf dieses Profil um:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Switch profiles when a game starts</source>
        <translation>Profil wechseln, wenn ein Spiel startet</translation>
    </message>
    <message>
        <source>Return to the previous profile when the game ends</source>
        <translation>Zum vorherigen Profil zurückkehren, wenn das Spiel endet</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Keine reguläre Datei: %1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>Datei ist zu groß: %1</translation>
    </message>
    <message>
        <source>The configuration history %1 is not a regular file.</source>
        <translation>Der Konfigurationsverlauf %1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The configuration history %1 is larger than 1 MiB and was not read.</source>
        <translation>Der Konfigurationsverlauf %1 ist größer als 1 MiB und wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>Cannot read the configuration history %1: %2</source>
        <translation>Der Konfigurationsverlauf %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The configuration history %1 is damaged and was not read.</source>
        <translation>Der Konfigurationsverlauf %1 ist beschädigt und wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The configuration history is empty.</source>
        <translation>Der Konfigurationsverlauf ist leer.</translation>
    </message>
    <message>
        <source>The configuration history has no entry %1.</source>
        <translation>Der Konfigurationsverlauf enthält keinen Eintrag %1.</translation>
    </message>
    <message>
        <source>Cannot write the configuration history %1: %2</source>
        <translation>Der Konfigurationsverlauf %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>save pedal</source>
        <translation>Pedal sichern</translation>
    </message>
    <message>
        <source>write configuration</source>
        <translation>Konfiguration schreiben</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>calibration reset</source>
        <translation>Kalibrierung zurücksetzen</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>Profil anwenden</translation>
    </message>
    <message>
        <source>firmware update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>game switch</source>
        <translation>Profilwechsel (Spiel)</translation>
    </message>
    <message>
        <source>The pedals&apos; settings could not be read, so nothing will be written to them. Trying again every few seconds; if this stays, reconnect or re-plug the pedals.</source>
        <translation>Die Einstellungen der Pedale konnten nicht gelesen werden, daher wird nichts auf sie geschrieben. Neuer Versuch alle paar Sekunden; bleibt das Problem bestehen, verbinden Sie die Pedale neu oder ziehen Sie sie ab und stecken Sie sie wieder ein.</translation>
    </message>
    <message>
        <source>A firmware update is running.</source>
        <translation>Ein Firmware-Update läuft.</translation>
    </message>
    <message>
        <source>The pedals are restarting to store the last change. Wait until they are back.</source>
        <translation>Die Pedale starten neu, um die letzte Änderung zu speichern. Warten Sie, bis sie wieder verbunden sind.</translation>
    </message>
    <message>
        <source>The pedals did not take the settings. The changes are still marked unsaved; try again, or reconnect the pedals if it keeps failing.</source>
        <translation>Die Pedale haben die Einstellungen nicht übernommen. Die Änderungen sind weiterhin als nicht geschrieben markiert; versuchen Sie es erneut oder verbinden Sie die Pedale neu, falls es weiterhin fehlschlägt.</translation>
    </message>
    <message>
        <source>That is not a regular file. Please choose a firmware file (.bin).</source>
        <translation>Das ist keine reguläre Datei. Bitte wählen Sie eine Firmware-Datei (.bin).</translation>
    </message>
    <message>
        <source>Nothing kept yet. Before every write to the pedals, what they held is kept here.</source>
        <translation>Noch nichts gespeichert. Vor jedem Schreiben auf die Pedale wird hier gespeichert, was sie bis dahin enthielten.</translation>
    </message>
    <message>
        <source>Restore configuration</source>
        <translation>Konfiguration wiederherstellen</translation>
    </message>
    <message>
        <source>Write the configuration the pedals held on %1 (before: %2) back to them? What they hold now is kept in the history first.</source>
        <translation>Die Konfiguration, die die Pedale am %1 hatten (gespeichert vor: %2), zurück auf die Pedale schreiben? Ihre aktuelle Konfiguration wird zuvor im Verlauf gespeichert.</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>Konfigurationsverlauf</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>Kept before</source>
        <translation>Gespeichert vor</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Wiederherstellen…</translation>
    </message>
    <message>
        <source>Not written to the pedals</source>
        <translation>Nicht auf die Pedale geschrieben</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Signalverlauf</translation>
    </message>
    <message>
        <source>%1: the profile file %2 could not be loaded: %3</source>
        <translation>%1: Die Profildatei %2 konnte nicht geladen werden: %3</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; will be applied when the pedals are ready.</source>
        <translation>%1 gestartet: Profil „%2“ wird übertragen, sobald die Pedale bereit sind.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 beendet: Profil „%2“ ist bereits auf den Pedalen.</translation>
    </message>
    <message>
        <source>%1 started: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 gestartet: Profil „%2“ ist bereits auf den Pedalen.</translation>
    </message>
    <message>
        <source>%1: the profile could not be written; the pedals keep their current settings.</source>
        <translation>%1: Das Profil konnte nicht geschrieben werden; die Pedale behalten ihre aktuellen Einstellungen.</translation>
    </message>
    <message>
        <source>%1 ended: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 beendet: Profil „%2“ auf die Pedale übertragen.</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 gestartet: Profil „%2“ auf die Pedale übertragen.</translation>
    </message>
    <message>
        <source>Games for profile &quot;%1&quot;</source>
        <translation>Spiele für Profil „%1“</translation>
    </message>
    <message>
        <source>Type an executable name or pick a running program</source>
        <translation>Programmdatei eingeben oder laufendes Programm wählen</translation>
    </message>
    <message>
        <source>%1 was bound to profile &quot;%2&quot;; it now switches the pedals to this profile.</source>
        <translation>%1 war dem Profil „%2“ zugeordnet und schaltet die Pedale jetzt auf dieses Profil um.</translation>
    </message>
    <message>
        <source>Save them to the profile &quot;%1&quot; they were made on, discard them, or cancel.</source>
        <translation>Sie können die Änderungen in dem Profil „%1“ speichern, in dem sie vorgenommen wurden, sie verwerfen oder abbrechen.</translation>
    </message>
    <message>
        <source>Save them as a new profile, discard them, or cancel.</source>
        <translation>Sie können die Änderungen als neues Profil speichern, sie verwerfen oder abbrechen.</translation>
    </message>
    <message>
        <source>Last brake: peak %1 %, %2 s</source>
        <translation>Letzte Bremsung: Spitze %1&#xa0;%, %2&#xa0;s</translation>
    </message>
    <message>
        <source>The output of the three pedals over the last 10 seconds, newest on the right. The last brake application is held as a dashed line from the left edge.</source>
        <translation>Die Ausgabe der drei Pedale in den letzten 10 Sekunden, die neuesten Werte rechts. Die letzte Bremsung bleibt als gestrichelte Linie ab dem linken Rand stehen.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>The documents folder cannot be created.</source>
        <translation>Der Ordner „Dokumente“ kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Trace saved to %1</source>
        <translation>Aufzeichnung gespeichert unter %1</translation>
    </message>
    <message>
        <source>The trace cannot be written to %1.

%2</source>
        <translation>Die Aufzeichnung kann nicht in %1 geschrieben werden.

%2</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Aufnahme in %1</translation>
    </message>
</context>
</TS>
