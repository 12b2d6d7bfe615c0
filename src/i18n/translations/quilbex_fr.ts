<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation>Fichier de profil non valide. Ce n’est pas un profil Quilbex Pedals.</translation>
    </message>
    <message>
        <source>That file could not be found. Please check the path and try again.</source>
        <translation>Fichier introuvable. Vérifiez le chemin et réessayez.</translation>
    </message>
    <message>
        <source>Please choose a firmware file with the .bin extension.</source>
        <translation>Veuillez choisir un fichier de firmware avec l’extension .bin.</translation>
    </message>
    <message>
        <source>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</source>
        <translation>Impossible d’ouvrir ce fichier. Il est peut-être en cours d’utilisation, ou vous n’avez pas l’autorisation de le lire.</translation>
    </message>
    <message>
        <source>That firmware file appears to be empty. Please export or download it again.</source>
        <translation>Ce fichier de firmware semble vide. Exportez-le ou téléchargez-le à nouveau.</translation>
    </message>
    <message>
        <source>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</source>
        <translation>Ce fichier de firmware est trop volumineux pour vos pédales (%1&#xa0;Ko). La taille maximale prise en charge est de %2&#xa0;Ko.</translation>
    </message>
    <message>
        <source>We couldn&apos;t read a version from the file name.</source>
        <translation>Impossible de lire une version dans le nom du fichier.</translation>
    </message>
    <message>
        <source>Connect your pedals to see the current firmware version.</source>
        <translation>Connectez vos pédales pour afficher la version actuelle du firmware.</translation>
    </message>
    <message>
        <source>A newer firmware version is available in this file.</source>
        <translation>Ce fichier contient une version plus récente du firmware.</translation>
    </message>
    <message>
        <source>This file looks older than the firmware on your pedals.</source>
        <translation>Ce fichier semble plus ancien que le firmware de vos pédales.</translation>
    </message>
    <message>
        <source>This file matches the firmware already on your pedals.</source>
        <translation>Ce fichier correspond au firmware déjà installé sur vos pédales.</translation>
    </message>
    <message>
        <source>Starting update using: %1</source>
        <translation>Démarrage de la mise à jour avec&#xa0;: %1</translation>
    </message>
    <message>
        <source>Something went wrong inside the application. Please restart Quilbex Control and try again.</source>
        <translation>Une erreur interne s’est produite dans l’application. Redémarrez Quilbex Control et réessayez.</translation>
    </message>
    <message>
        <source>We couldn&apos;t find your pedals. Please connect them with USB and try again.</source>
        <translation>Impossible de trouver vos pédales. Branchez-les en USB et réessayez.</translation>
    </message>
    <message>
        <source>Your pedals are already in update mode. Continuing with the transfer…</source>
        <translation>Vos pédales sont déjà en mode mise à jour. Poursuite du transfert…</translation>
    </message>
    <message>
        <source>Switching your pedals to update mode…</source>
        <translation>Passage de vos pédales en mode mise à jour…</translation>
    </message>
    <message>
        <source>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</source>
        <translation>Impossible de démarrer la mise à jour. Laissez le câble USB branché et réessayez.</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</source>
        <translation>Impossible de se connecter à vos pédales en mode mise à jour. Essayez de débrancher puis de rebrancher le câble USB.</translation>
    </message>
    <message>
        <source>Firmware installed. Waiting for your pedals to restart…</source>
        <translation>Firmware installé. En attente du redémarrage de vos pédales…</translation>
    </message>
    <message>
        <source>Your pedals are connected again.</source>
        <translation>Vos pédales sont de nouveau connectées.</translation>
    </message>
    <message>
        <source>Waiting for your pedals to appear in update mode…</source>
        <translation>En attente de vos pédales en mode mise à jour…</translation>
    </message>
    <message>
        <source>Update canceled while waiting for update mode.</source>
        <translation>Mise à jour annulée pendant l’attente du mode mise à jour.</translation>
    </message>
    <message>
        <source>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</source>
        <translation>Vos pédales ne sont pas passées en mode mise à jour à temps. Débranchez le câble USB, rebranchez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>Preparing the update (%1 KB)…</source>
        <translation>Préparation de la mise à jour (%1&#xa0;Ko)…</translation>
    </message>
    <message>
        <source>Your pedals couldn&apos;t accept this firmware file: %1</source>
        <translation>Vos pédales n’ont pas pu accepter ce fichier de firmware&#xa0;: %1</translation>
    </message>
    <message>
        <source>The update stopped unexpectedly right after it started. Please try again.</source>
        <translation>La mise à jour s’est arrêtée de façon inattendue juste après son démarrage. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Installing firmware…</source>
        <translation>Installation du firmware…</translation>
    </message>
    <message>
        <source>Update canceled while installing firmware.</source>
        <translation>Mise à jour annulée pendant l’installation du firmware.</translation>
    </message>
    <message>
        <source>The update paused too long without a reply from your pedals. %1</source>
        <translation>La mise à jour est restée bloquée trop longtemps sans réponse de vos pédales. %1</translation>
    </message>
    <message>
        <source>Your pedals reported a problem during the update: %1</source>
        <translation>Vos pédales ont signalé un problème pendant la mise à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>The update lost sync with your pedals. Please try again from the beginning.</source>
        <translation>La mise à jour a perdu la synchronisation avec vos pédales. Veuillez recommencer depuis le début.</translation>
    </message>
    <message>
        <source>The device didn&apos;t confirm the update finished cleanly. %1</source>
        <translation>Le périphérique n’a pas confirmé que la mise à jour s’est terminée correctement. %1</translation>
    </message>
    <message>
        <source>Installing… %1% complete</source>
        <translation>Installation en cours… %1&#xa0;%</translation>
    </message>
    <message>
        <source>Looking for your pedals again after the restart…</source>
        <translation>Nouvelle recherche de vos pédales après le redémarrage…</translation>
    </message>
    <message>
        <source>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</source>
        <translation>Le firmware a été installé, mais la reconnexion à vos pédales n’a pas abouti à temps.

Débranchez le câble USB, rebranchez-le, puis rouvrez cette page si nécessaire.</translation>
    </message>
    <message>
        <source>Cannot create profiles directory: %1</source>
        <translation>Impossible de créer le dossier des profils&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot open file: %1</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot write: %1</source>
        <translation>Écriture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>Échec de l’écriture&#xa0;: %1</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>Le fichier n’existe pas</translation>
    </message>
    <message>
        <source>Cannot delete: %1</source>
        <translation>Suppression impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Name is empty</source>
        <translation>Le nom est vide</translation>
    </message>
    <message>
        <source>Name contains invalid characters</source>
        <translation>Le nom contient des caractères non valides</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>VID / PID</source>
        <translation>VID / PID</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</source>
        <translation>Les pédales ont été détectées, mais cet utilisateur n’a pas le droit d’y accéder (permission refusée). Installez la règle udev fournie avec Quilbex Control (voir le README, section «&#xa0;Linux device permissions&#xa0;»), puis débranchez et rebranchez les pédales.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Quilbex Pedals</source>
        <translation>Quilbex Pedals</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Quilbex Control</source>
        <translation>Quilbex Control</translation>
    </message>
    <message>
        <source>Pedals</source>
        <translation>Pédales</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</source>
        <translation>Une mise à jour du firmware est en cours.

Si vous quittez cette page maintenant, il sera plus difficile de suivre la progression ou d’annuler en toute sécurité.

Voulez-vous rester sur la page Mise à jour&#xa0;?</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <translation>Page&#xa0;: %1</translation>
    </message>
    <message>
        <source>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</source>
        <translation>Une mise à jour du firmware est toujours en cours.

Fermer Quilbex Control maintenant risque d’interrompre la mise à jour et de laisser vos pédales dans un état incomplet.

Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Not calibrated</source>
        <translation>Non calibrée</translation>
    </message>
    <message>
        <source>Calibration completed</source>
        <translation>Calibration terminée</translation>
    </message>
    <message>
        <source>Calibration failed — press pedal fully</source>
        <translation>Échec de la calibration — enfoncez la pédale à fond</translation>
    </message>
    <message>
        <source>Raw ADC</source>
        <translation>ADC brut</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Deadzone top</source>
        <translation>Zone morte haute</translation>
    </message>
    <message>
        <source>Deadzone bottom</source>
        <translation>Zone morte basse</translation>
    </message>
    <message>
        <source>Filter / smooth</source>
        <translation>Filtre / lissage</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Lisse</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Toggle calibration mode (auto-stops in 15 s).
Press the full pedal travel before stopping.</source>
        <translation>Active ou désactive le mode calibration (arrêt automatique après 15&#xa0;s).
Enfoncez la pédale sur toute sa course avant d’arrêter.</translation>
    </message>
    <message>
        <source>Stop Calibration</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start Calibration</source>
        <translation>Calibrer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Clear calibration data for this channel</source>
        <translation>Effacer les données de calibration de cette pédale</translation>
    </message>
    <message>
        <source>Filter strength: 0 = fastest response, 6 = smoothest</source>
        <translation>Intensité du filtre&#xa0;: 0 = réponse la plus rapide, 6 = la plus lisse</translation>
    </message>
    <message>
        <source>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</source>
        <translation>Écrit les zones mortes, le filtre et la courbe de cette colonne dans le périphérique. Les modifications non écrites des autres colonnes ne sont pas envoyées.</translation>
    </message>
    <message>
        <source>SAVED</source>
        <translation>ÉCRIT</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ÉCRIRE</translation>
    </message>
    <message>
        <source>Linear — linear pedal response</source>
        <translation>Linéaire — réponse linéaire de la pédale</translation>
    </message>
    <message>
        <source>S-Curve — more sensitivity in the middle</source>
        <translation>Courbe en S — plus de sensibilité en milieu de course</translation>
    </message>
    <message>
        <source>Early — more sensitivity at the start</source>
        <translation>Précoce — plus de sensibilité en début de course</translation>
    </message>
    <message>
        <source>Late — more sensitivity at the end</source>
        <translation>Tardive — plus de sensibilité en fin de course</translation>
    </message>
    <message>
        <source>Custom — drag points on the chart</source>
        <translation>Personnalisée — faites glisser les points du graphique</translation>
    </message>
    <message>
        <source>Calibrating... (move pedal full range)  %1 s</source>
        <translation>Calibration… (parcourez toute la course de la pédale)  %1&#xa0;s</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Accélérateur</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Frein</translation>
    </message>
    <message>
        <source>Clutch</source>
        <translation>Embrayage</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enreg.</translation>
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
        <translation>État de la connexion du périphérique</translation>
    </message>
    <message>
        <source>Language, theme, and default paths. (Theme remains a placeholder in this version.)</source>
        <translation>Langue, thème et chemins par défaut. (Le choix du thème n’est pas encore actif dans cette version.)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Light (placeholder)</source>
        <translation>Clair (provisoire)</translation>
    </message>
    <message>
        <source>Quilbex Pedals profile (*.json);;All files (*)</source>
        <translation>Profil Quilbex Pedals (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Profile has unsaved changes in the editor.</source>
        <translation>Le profil contient des modifications non enregistrées dans l’éditeur.</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Échec de l’enregistrement</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Nouveau profil</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nom du profil&#xa0;:</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>Charger un profil</translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation>Échec du chargement</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Supprimer le profil</translation>
    </message>
    <message>
        <source>At least one profile must remain.</source>
        <translation>Au moins un profil doit être conservé.</translation>
    </message>
    <message>
        <source>Permanently delete profile &quot;%1&quot;?</source>
        <translation>Supprimer définitivement le profil «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>Rename profile</source>
        <translation>Renommer le profil</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau nom&#xa0;:</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Importer un profil</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Exporter le profil</translation>
    </message>
    <message>
        <source>Cannot overwrite target file.</source>
        <translation>Impossible d’écraser le fichier cible.</translation>
    </message>
    <message>
        <source>Export failed.</source>
        <translation>Échec de l’exportation.</translation>
    </message>
    <message>
        <source>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</source>
        <translation>Sélectionnez un fichier de firmware, vérifiez les informations de version ci-dessous, puis lancez la mise à jour quand vous êtes prêt. Si le nom du fichier contient une version (par exemple 2.0.7), elle s’affiche ici pour une comparaison rapide.</translation>
    </message>
    <message>
        <source>Current firmware:</source>
        <translation>Firmware actuel&#xa0;:</translation>
    </message>
    <message>
        <source>Selected file:</source>
        <translation>Fichier sélectionné&#xa0;:</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>Version du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>Update progress will appear here.</source>
        <translation>La progression de la mise à jour s’affichera ici.</translation>
    </message>
    <message>
        <source>Choose firmware file</source>
        <translation>Choisir un fichier de firmware</translation>
    </message>
    <message>
        <source>Start update</source>
        <translation>Lancer la mise à jour</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnue</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Choose a firmware file to see how it compares to your pedals.</source>
        <translation>Choisissez un fichier de firmware pour le comparer à celui de vos pédales.</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Sélectionné&#xa0;: %1</translation>
    </message>
    <message>
        <source>Firmware files (*.bin);;All files (*.*)</source>
        <translation>Fichiers de firmware (*.bin);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Please choose a firmware file (.bin) first.</source>
        <translation>Veuillez d’abord choisir un fichier de firmware (.bin).</translation>
    </message>
    <message>
        <source>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</source>
        <translation>La mise à jour du firmware va commencer.

Laissez le câble USB branché et cette application ouverte jusqu’à la fin de la mise à jour.

Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Starting update…</source>
        <translation>Démarrage de la mise à jour…</translation>
    </message>
    <message>
        <source>Cancel requested. The update will stop as soon as the current step is safe to end.</source>
        <translation>Annulation demandée. La mise à jour s’arrêtera dès que l’étape en cours pourra être interrompue sans risque.</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Mise à jour terminée</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.

Current firmware version: %1</source>
        <translation>Vos pédales ont été mises à jour avec succès.

Version actuelle du firmware&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.</source>
        <translation>Vos pédales ont été mises à jour avec succès.</translation>
    </message>
    <message>
        <source>Update could not be completed</source>
        <translation>La mise à jour n’a pas pu être terminée</translation>
    </message>
    <message>
        <source>Not an executable file name: &quot;%1&quot;</source>
        <translation>Nom de fichier exécutable non valide&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The pedals are not connected.</source>
        <translation>Les pédales ne sont pas connectées.</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>Jeux…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>%1 ended, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 s’est fermé, mais l’éditeur contient des modifications non enregistrées&#xa0;: le profil n’a pas été changé.</translation>
    </message>
    <message>
        <source>%1 started, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 a démarré, mais l’éditeur contient des modifications non enregistrées&#xa0;: le profil n’a pas été changé.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold the settings from before the game.</source>
        <translation>%1 s’est fermé&#xa0;: les pédales ont déjà les réglages d’avant le jeu.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before the game were restored.</source>
        <translation>%1 s’est fermé&#xa0;: les réglages d’avant le jeu ont été rétablis.</translation>
    </message>
    <message>
        <source>These games switch the pedals to this profile when they start:</source>
        <translation>Ces jeux basculent les pédales sur ce profil à leur démarrage&#xa0;:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Switch profiles when a game starts</source>
        <translation>Changer de profil au démarrage d’un jeu</translation>
    </message>
    <message>
        <source>Return to the previous profile when the game ends</source>
        <translation>Revenir au profil précédent à la fermeture du jeu</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Ce n’est pas un fichier ordinaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>Fichier trop volumineux&#xa0;: %1</translation>
    </message>
    <message>
        <source>The configuration history %1 is not a regular file.</source>
        <translation>L’historique de configuration %1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The configuration history %1 is larger than 1 MiB and was not read.</source>
        <translation>L’historique de configuration %1 dépasse 1&#xa0;Mio et n’a pas été lu.</translation>
    </message>
    <message>
        <source>Cannot read the configuration history %1: %2</source>
        <translation>Impossible de lire l’historique de configuration %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The configuration history %1 is damaged and was not read.</source>
        <translation>L’historique de configuration %1 est endommagé et n’a pas été lu.</translation>
    </message>
    <message>
        <source>The configuration history is empty.</source>
        <translation>L’historique de configuration est vide.</translation>
    </message>
    <message>
        <source>The configuration history has no entry %1.</source>
        <translation>L’historique de configuration ne contient pas d’entrée %1.</translation>
    </message>
    <message>
        <source>Cannot write the configuration history %1: %2</source>
        <translation>Impossible d’écrire l’historique de configuration %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>save pedal</source>
        <translation>écrire une pédale</translation>
    </message>
    <message>
        <source>write configuration</source>
        <translation>écrire la configuration</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibration</translation>
    </message>
    <message>
        <source>calibration reset</source>
        <translation>réinitialiser la calibration</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restaurer</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>appliquer un profil</translation>
    </message>
    <message>
        <source>firmware update</source>
        <translation>mise à jour du firmware</translation>
    </message>
    <message>
        <source>game switch</source>
        <translation>changement de profil (jeu)</translation>
    </message>
    <message>
        <source>The pedals&apos; settings could not be read, so nothing will be written to them. Trying again every few seconds; if this stays, reconnect or re-plug the pedals.</source>
        <translation>Impossible de lire les réglages des pédales&#xa0;: rien ne leur sera écrit. Nouvel essai toutes les quelques secondes&#xa0;; si le problème persiste, reconnectez les pédales ou débranchez-les et rebranchez-les.</translation>
    </message>
    <message>
        <source>A firmware update is running.</source>
        <translation>Une mise à jour du firmware est en cours.</translation>
    </message>
    <message>
        <source>The pedals are restarting to store the last change. Wait until they are back.</source>
        <translation>Les pédales redémarrent pour enregistrer la dernière modification. Attendez qu’elles soient de nouveau disponibles.</translation>
    </message>
    <message>
        <source>The pedals did not take the settings. The changes are still marked unsaved; try again, or reconnect the pedals if it keeps failing.</source>
        <translation>Les pédales n’ont pas accepté les réglages. Les modifications restent marquées comme non écrites&#xa0;; réessayez, ou reconnectez les pédales si l’échec se répète.</translation>
    </message>
    <message>
        <source>That is not a regular file. Please choose a firmware file (.bin).</source>
        <translation>Ce n’est pas un fichier ordinaire. Choisissez un fichier de firmware (.bin).</translation>
    </message>
    <message>
        <source>Nothing kept yet. Before every write to the pedals, what they held is kept here.</source>
        <translation>Rien n’a encore été conservé. Avant chaque écriture dans les pédales, ce qu’elles contenaient est conservé ici.</translation>
    </message>
    <message>
        <source>Restore configuration</source>
        <translation>Restaurer la configuration</translation>
    </message>
    <message>
        <source>Write the configuration the pedals held on %1 (before: %2) back to them? What they hold now is kept in the history first.</source>
        <translation>Réécrire dans les pédales la configuration qu’elles avaient le %1 (conservée avant&#xa0;: %2)&#xa0;? Leur configuration actuelle est d’abord conservée dans l’historique.</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>Historique de configuration</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Kept before</source>
        <translation>Conservé avant</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restaurer…</translation>
    </message>
    <message>
        <source>Not written to the pedals</source>
        <translation>Non écrit dans les pédales</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Tracé</translation>
    </message>
    <message>
        <source>%1: the profile file %2 could not be loaded: %3</source>
        <translation>%1&#xa0;: impossible de charger le fichier de profil %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; will be applied when the pedals are ready.</source>
        <translation>%1 a démarré&#xa0;: le profil «&#xa0;%2&#xa0;» sera appliqué dès que les pédales seront prêtes.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 s’est fermé&#xa0;: les pédales utilisent déjà le profil «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1 started: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 a démarré&#xa0;: les pédales utilisent déjà le profil «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1: the profile could not be written; the pedals keep their current settings.</source>
        <translation>%1&#xa0;: le profil n’a pas pu être écrit&#xa0;; les pédales conservent leurs réglages actuels.</translation>
    </message>
    <message>
        <source>%1 ended: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 s’est fermé&#xa0;: profil «&#xa0;%2&#xa0;» appliqué aux pédales.</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 a démarré&#xa0;: profil «&#xa0;%2&#xa0;» appliqué aux pédales.</translation>
    </message>
    <message>
        <source>Games for profile &quot;%1&quot;</source>
        <translation>Jeux du profil «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Type an executable name or pick a running program</source>
        <translation>Saisissez le nom d’un exécutable ou choisissez un programme en cours d’exécution</translation>
    </message>
    <message>
        <source>%1 was bound to profile &quot;%2&quot;; it now switches the pedals to this profile.</source>
        <translation>%1 était associé au profil «&#xa0;%2&#xa0;»&#xa0;; il bascule désormais les pédales sur ce profil.</translation>
    </message>
    <message>
        <source>Save them to the profile &quot;%1&quot; they were made on, discard them, or cancel.</source>
        <translation>Enregistrez-les dans le profil «&#xa0;%1&#xa0;» où elles ont été faites, ignorez-les ou annulez.</translation>
    </message>
    <message>
        <source>Save them as a new profile, discard them, or cancel.</source>
        <translation>Enregistrez-les comme nouveau profil, ignorez-les ou annulez.</translation>
    </message>
    <message>
        <source>Last brake: peak %1 %, %2 s</source>
        <translation>Dernier freinage&#xa0;: pic %1&#xa0;%, %2&#xa0;s</translation>
    </message>
    <message>
        <source>The output of the three pedals over the last 10 seconds, newest on the right. The last brake application is held as a dashed line from the left edge.</source>
        <translation>La sortie des trois pédales sur les 10 dernières secondes, la plus récente à droite. Le dernier freinage reste affiché en pointillés depuis le bord gauche.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The documents folder cannot be created.</source>
        <translation>Impossible de créer le dossier Documents.</translation>
    </message>
    <message>
        <source>Trace saved to %1</source>
        <translation>Tracé enregistré dans %1</translation>
    </message>
    <message>
        <source>The trace cannot be written to %1.

%2</source>
        <translation>Impossible d’écrire le tracé dans %1.

%2</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Enregistrement dans %1</translation>
    </message>
</context>
</TS>
