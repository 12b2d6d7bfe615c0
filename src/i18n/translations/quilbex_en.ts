<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation>Invalid profile file. This is not a Quilbex Pedals profile.</translation>
    </message>
    <message>
        <source>That file could not be found. Please check the path and try again.</source>
        <translation>That file could not be found. Please check the path and try again.</translation>
    </message>
    <message>
        <source>Please choose a firmware file with the .bin extension.</source>
        <translation>Please choose a firmware file with the .bin extension.</translation>
    </message>
    <message>
        <source>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</source>
        <translation>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</translation>
    </message>
    <message>
        <source>That firmware file appears to be empty. Please export or download it again.</source>
        <translation>That firmware file appears to be empty. Please export or download it again.</translation>
    </message>
    <message>
        <source>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</source>
        <translation>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</translation>
    </message>
    <message>
        <source>We couldn&apos;t read a version from the file name.</source>
        <translation>We couldn&apos;t read a version from the file name.</translation>
    </message>
    <message>
        <source>Connect your pedals to see the current firmware version.</source>
        <translation>Connect your pedals to see the current firmware version.</translation>
    </message>
    <message>
        <source>A newer firmware version is available in this file.</source>
        <translation>A newer firmware version is available in this file.</translation>
    </message>
    <message>
        <source>This file looks older than the firmware on your pedals.</source>
        <translation>This file looks older than the firmware on your pedals.</translation>
    </message>
    <message>
        <source>This file matches the firmware already on your pedals.</source>
        <translation>This file matches the firmware already on your pedals.</translation>
    </message>
    <message>
        <source>Starting update using: %1</source>
        <translation>Starting update using: %1</translation>
    </message>
    <message>
        <source>Something went wrong inside the application. Please restart Quilbex Control and try again.</source>
        <translation>Something went wrong inside the application. Please restart Quilbex Control and try again.</translation>
    </message>
    <message>
        <source>We couldn&apos;t find your pedals. Please connect them with USB and try again.</source>
        <translation>We couldn&apos;t find your pedals. Please connect them with USB and try again.</translation>
    </message>
    <message>
        <source>Your pedals are already in update mode. Continuing with the transfer…</source>
        <translation>Your pedals are already in update mode. Continuing with the transfer…</translation>
    </message>
    <message>
        <source>Switching your pedals to update mode…</source>
        <translation>Switching your pedals to update mode…</translation>
    </message>
    <message>
        <source>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</source>
        <translation>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</source>
        <translation>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</translation>
    </message>
    <message>
        <source>Firmware installed. Waiting for your pedals to restart…</source>
        <translation>Firmware installed. Waiting for your pedals to restart…</translation>
    </message>
    <message>
        <source>Your pedals are connected again.</source>
        <translation>Your pedals are connected again.</translation>
    </message>
    <message>
        <source>Waiting for your pedals to appear in update mode…</source>
        <translation>Waiting for your pedals to appear in update mode…</translation>
    </message>
    <message>
        <source>Update canceled while waiting for update mode.</source>
        <translation>Update canceled while waiting for update mode.</translation>
    </message>
    <message>
        <source>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</source>
        <translation>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</translation>
    </message>
    <message>
        <source>Preparing the update (%1 KB)…</source>
        <translation>Preparing the update (%1 KB)…</translation>
    </message>
    <message>
        <source>Your pedals couldn&apos;t accept this firmware file: %1</source>
        <translation>Your pedals couldn&apos;t accept this firmware file: %1</translation>
    </message>
    <message>
        <source>The update stopped unexpectedly right after it started. Please try again.</source>
        <translation>The update stopped unexpectedly right after it started. Please try again.</translation>
    </message>
    <message>
        <source>Installing firmware…</source>
        <translation>Installing firmware…</translation>
    </message>
    <message>
        <source>Update canceled while installing firmware.</source>
        <translation>Update canceled while installing firmware.</translation>
    </message>
    <message>
        <source>The update paused too long without a reply from your pedals. %1</source>
        <translation>The update paused too long without a reply from your pedals. %1</translation>
    </message>
    <message>
        <source>Your pedals reported a problem during the update: %1</source>
        <translation>Your pedals reported a problem during the update: %1</translation>
    </message>
    <message>
        <source>The update lost sync with your pedals. Please try again from the beginning.</source>
        <translation>The update lost sync with your pedals. Please try again from the beginning.</translation>
    </message>
    <message>
        <source>The device didn&apos;t confirm the update finished cleanly. %1</source>
        <translation>The device didn&apos;t confirm the update finished cleanly. %1</translation>
    </message>
    <message>
        <source>Installing… %1% complete</source>
        <translation>Installing… %1% complete</translation>
    </message>
    <message>
        <source>Looking for your pedals again after the restart…</source>
        <translation>Looking for your pedals again after the restart…</translation>
    </message>
    <message>
        <source>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</source>
        <translation>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</translation>
    </message>
    <message>
        <source>Cannot create profiles directory: %1</source>
        <translation>Cannot create profiles directory: %1</translation>
    </message>
    <message>
        <source>Cannot open file: %1</source>
        <translation>Cannot open file: %1</translation>
    </message>
    <message>
        <source>Cannot write: %1</source>
        <translation>Cannot write: %1</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>Write failed: %1</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>File does not exist</translation>
    </message>
    <message>
        <source>Cannot delete: %1</source>
        <translation>Cannot delete: %1</translation>
    </message>
    <message>
        <source>Name is empty</source>
        <translation>Name is empty</translation>
    </message>
    <message>
        <source>Name contains invalid characters</source>
        <translation>Name contains invalid characters</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
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
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</source>
        <translation>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Quilbex Pedals</source>
        <translation>Quilbex Pedals</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Quilbex Control</source>
        <translation>Quilbex Control</translation>
    </message>
    <message>
        <source>Pedals</source>
        <translation>Pedals</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</source>
        <translation>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <translation>Page: %1</translation>
    </message>
    <message>
        <source>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</source>
        <translation>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</translation>
    </message>
    <message>
        <source>Not calibrated</source>
        <translation>Not calibrated</translation>
    </message>
    <message>
        <source>Calibration completed</source>
        <translation>Calibration completed</translation>
    </message>
    <message>
        <source>Calibration failed — press pedal fully</source>
        <translation>Calibration failed — press pedal fully</translation>
    </message>
    <message>
        <source>Raw ADC</source>
        <translation>Raw ADC</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Deadzone top</source>
        <translation>Deadzone top</translation>
    </message>
    <message>
        <source>Deadzone bottom</source>
        <translation>Deadzone bottom</translation>
    </message>
    <message>
        <source>Filter / smooth</source>
        <translation>Filter / smooth</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Smooth</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Toggle calibration mode (auto-stops in 15 s).
Press the full pedal travel before stopping.</source>
        <translation>Toggle calibration mode (auto-stops in 15 s).
Press the full pedal travel before stopping.</translation>
    </message>
    <message>
        <source>Stop Calibration</source>
        <translation>Stop Calibration</translation>
    </message>
    <message>
        <source>Start Calibration</source>
        <translation>Start Calibration</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Clear calibration data for this channel</source>
        <translation>Clear calibration data for this channel</translation>
    </message>
    <message>
        <source>Filter strength: 0 = fastest response, 6 = smoothest</source>
        <translation>Filter strength: 0 = fastest response, 6 = smoothest</translation>
    </message>
    <message>
        <source>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</source>
        <translation>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</translation>
    </message>
    <message>
        <source>SAVED</source>
        <translation>SAVED</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>Linear — linear pedal response</source>
        <translation>Linear — linear pedal response</translation>
    </message>
    <message>
        <source>S-Curve — more sensitivity in the middle</source>
        <translation>S-Curve — more sensitivity in the middle</translation>
    </message>
    <message>
        <source>Early — more sensitivity at the start</source>
        <translation>Early — more sensitivity at the start</translation>
    </message>
    <message>
        <source>Late — more sensitivity at the end</source>
        <translation>Late — more sensitivity at the end</translation>
    </message>
    <message>
        <source>Custom — drag points on the chart</source>
        <translation>Custom — drag points on the chart</translation>
    </message>
    <message>
        <source>Calibrating... (move pedal full range)  %1 s</source>
        <translation>Calibrating... (move pedal full range)  %1 s</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Throttle</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Brake</translation>
    </message>
    <message>
        <source>Clutch</source>
        <translation>Clutch</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
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
        <translation>Device connection status</translation>
    </message>
    <message>
        <source>Language, theme, and default paths. (Theme remains a placeholder in this version.)</source>
        <translation>Language, theme, and default paths. (Theme remains a placeholder in this version.)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Light (placeholder)</source>
        <translation>Light (placeholder)</translation>
    </message>
    <message>
        <source>Quilbex Pedals profile (*.json);;All files (*)</source>
        <translation>Quilbex Pedals profile (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Profile has unsaved changes in the editor.</source>
        <translation>Profile has unsaved changes in the editor.</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Save profile</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>New profile</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Profile name:</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>Load profile</translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation>Load failed</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Delete profile</translation>
    </message>
    <message>
        <source>At least one profile must remain.</source>
        <translation>At least one profile must remain.</translation>
    </message>
    <message>
        <source>Permanently delete profile &quot;%1&quot;?</source>
        <translation>Permanently delete profile &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Delete failed</translation>
    </message>
    <message>
        <source>Rename profile</source>
        <translation>Rename profile</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Rename failed</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Import profile</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Export profile</translation>
    </message>
    <message>
        <source>Cannot overwrite target file.</source>
        <translation>Cannot overwrite target file.</translation>
    </message>
    <message>
        <source>Export failed.</source>
        <translation>Export failed.</translation>
    </message>
    <message>
        <source>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</source>
        <translation>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</translation>
    </message>
    <message>
        <source>Current firmware:</source>
        <translation>Current firmware:</translation>
    </message>
    <message>
        <source>Selected file:</source>
        <translation>Selected file:</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>File version:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Update progress will appear here.</source>
        <translation>Update progress will appear here.</translation>
    </message>
    <message>
        <source>Choose firmware file</source>
        <translation>Choose firmware file</translation>
    </message>
    <message>
        <source>Start update</source>
        <translation>Start update</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Choose a firmware file to see how it compares to your pedals.</source>
        <translation>Choose a firmware file to see how it compares to your pedals.</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Selected: %1</translation>
    </message>
    <message>
        <source>Firmware files (*.bin);;All files (*.*)</source>
        <translation>Firmware files (*.bin);;All files (*.*)</translation>
    </message>
    <message>
        <source>Please choose a firmware file (.bin) first.</source>
        <translation>Please choose a firmware file (.bin) first.</translation>
    </message>
    <message>
        <source>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</source>
        <translation>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</translation>
    </message>
    <message>
        <source>Starting update…</source>
        <translation>Starting update…</translation>
    </message>
    <message>
        <source>Cancel requested. The update will stop as soon as the current step is safe to end.</source>
        <translation>Cancel requested. The update will stop as soon as the current step is safe to end.</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Update finished</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.

Current firmware version: %1</source>
        <translation>Your pedals have been updated successfully.

Current firmware version: %1</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.</source>
        <translation>Your pedals have been updated successfully.</translation>
    </message>
    <message>
        <source>Update could not be completed</source>
        <translation>Update could not be completed</translation>
    </message>
    <message>
        <source>Not an executable file name: &quot;%1&quot;</source>
        <translation>Not an executable file name: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The pedals are not connected.</source>
        <translation>The pedals are not connected.</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>Games…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>%1 ended, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 ended, but the editor holds unsaved changes: the profile was not switched.</translation>
    </message>
    <message>
        <source>%1 started, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 started, but the editor holds unsaved changes: the profile was not switched.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold the settings from before the game.</source>
        <translation>%1 ended: the pedals already hold the settings from before the game.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before the game were restored.</source>
        <translation>%1 ended: the settings from before the game were restored.</translation>
    </message>
    <message>
        <source>These games switch the pedals to this profile when they start:</source>
        <translation>These games switch the pedals to this profile when they start:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Switch profiles when a game starts</source>
        <translation>Switch profiles when a game starts</translation>
    </message>
    <message>
        <source>Return to the previous profile when the game ends</source>
        <translation>Return to the previous profile when the game ends</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Not a regular file: %1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>File is too large: %1</translation>
    </message>
    <message>
        <source>The configuration history %1 is not a regular file.</source>
        <translation>The configuration history %1 is not a regular file.</translation>
    </message>
    <message>
        <source>The configuration history %1 is larger than 1 MiB and was not read.</source>
        <translation>The configuration history %1 is larger than 1 MiB and was not read.</translation>
    </message>
    <message>
        <source>Cannot read the configuration history %1: %2</source>
        <translation>Cannot read the configuration history %1: %2</translation>
    </message>
    <message>
        <source>The configuration history %1 is damaged and was not read.</source>
        <translation>The configuration history %1 is damaged and was not read.</translation>
    </message>
    <message>
        <source>The configuration history is empty.</source>
        <translation>The configuration history is empty.</translation>
    </message>
    <message>
        <source>The configuration history has no entry %1.</source>
        <translation>The configuration history has no entry %1.</translation>
    </message>
    <message>
        <source>Cannot write the configuration history %1: %2</source>
        <translation>Cannot write the configuration history %1: %2</translation>
    </message>
    <message>
        <source>save pedal</source>
        <translation>save pedal</translation>
    </message>
    <message>
        <source>write configuration</source>
        <translation>write configuration</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibration</translation>
    </message>
    <message>
        <source>calibration reset</source>
        <translation>calibration reset</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restore</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>apply</translation>
    </message>
    <message>
        <source>firmware update</source>
        <translation>firmware update</translation>
    </message>
    <message>
        <source>game switch</source>
        <translation>game switch</translation>
    </message>
    <message>
        <source>The pedals&apos; settings could not be read, so nothing will be written to them. Trying again every few seconds; if this stays, reconnect or re-plug the pedals.</source>
        <translation>The pedals&apos; settings could not be read, so nothing will be written to them. Trying again every few seconds; if this stays, reconnect or re-plug the pedals.</translation>
    </message>
    <message>
        <source>A firmware update is running.</source>
        <translation>A firmware update is running.</translation>
    </message>
    <message>
        <source>The pedals are restarting to store the last change. Wait until they are back.</source>
        <translation>The pedals are restarting to store the last change. Wait until they are back.</translation>
    </message>
    <message>
        <source>The pedals did not take the settings. The changes are still marked unsaved; try again, or reconnect the pedals if it keeps failing.</source>
        <translation>The pedals did not take the settings. The changes are still marked unsaved; try again, or reconnect the pedals if it keeps failing.</translation>
    </message>
    <message>
        <source>That is not a regular file. Please choose a firmware file (.bin).</source>
        <translation>That is not a regular file. Please choose a firmware file (.bin).</translation>
    </message>
    <message>
        <source>Nothing kept yet. Before every write to the pedals, what they held is kept here.</source>
        <translation>Nothing kept yet. Before every write to the pedals, what they held is kept here.</translation>
    </message>
    <message>
        <source>Restore configuration</source>
        <translation>Restore configuration</translation>
    </message>
    <message>
        <source>Write the configuration the pedals held on %1 (before: %2) back to them? What they hold now is kept in the history first.</source>
        <translation>Write the configuration the pedals held on %1 (before: %2) back to them? What they hold now is kept in the history first.</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>Configuration history</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Kept before</source>
        <translation>Kept before</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restore…</translation>
    </message>
    <message>
        <source>Not written to the pedals</source>
        <translation>Not written to the pedals</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>%1: the profile file %2 could not be loaded: %3</source>
        <translation>%1: the profile file %2 could not be loaded: %3</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; will be applied when the pedals are ready.</source>
        <translation>%1 started: profile &quot;%2&quot; will be applied when the pedals are ready.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 ended: the pedals already hold profile &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 started: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 started: the pedals already hold profile &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1: the profile could not be written; the pedals keep their current settings.</source>
        <translation>%1: the profile could not be written; the pedals keep their current settings.</translation>
    </message>
    <message>
        <source>%1 ended: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 ended: profile &quot;%2&quot; applied to the pedals.</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 started: profile &quot;%2&quot; applied to the pedals.</translation>
    </message>
    <message>
        <source>Games for profile &quot;%1&quot;</source>
        <translation>Games for profile &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Type an executable name or pick a running program</source>
        <translation>Type an executable name or pick a running program</translation>
    </message>
    <message>
        <source>%1 was bound to profile &quot;%2&quot;; it now switches the pedals to this profile.</source>
        <translation>%1 was bound to profile &quot;%2&quot;; it now switches the pedals to this profile.</translation>
    </message>
    <message>
        <source>Save them to the profile &quot;%1&quot; they were made on, discard them, or cancel.</source>
        <translation>Save them to the profile &quot;%1&quot; they were made on, discard them, or cancel.</translation>
    </message>
    <message>
        <source>Save them as a new profile, discard them, or cancel.</source>
        <translation>Save them as a new profile, discard them, or cancel.</translation>
    </message>
    <message>
        <source>Last brake: peak %1 %, %2 s</source>
        <translation>Last brake: peak %1 %, %2 s</translation>
    </message>
    <message>
        <source>The output of the three pedals over the last 10 seconds, newest on the right. The last brake application is held as a dashed line from the left edge.</source>
        <translation>The output of the three pedals over the last 10 seconds, newest on the right. The last brake application is held as a dashed line from the left edge.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>The documents folder cannot be created.</source>
        <translation>The documents folder cannot be created.</translation>
    </message>
    <message>
        <source>Trace saved to %1</source>
        <translation>Trace saved to %1</translation>
    </message>
    <message>
        <source>The trace cannot be written to %1.

%2</source>
        <translation>The trace cannot be written to %1.

%2</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Recording to %1</translation>
    </message>
</context>
</TS>
