<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That file could not be found. Please check the path and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a firmware file with the .bin extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That firmware file appears to be empty. Please export or download it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We couldn&apos;t read a version from the file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect your pedals to see the current firmware version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A newer firmware version is available in this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file looks older than the firmware on your pedals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file matches the firmware already on your pedals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting update using: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something went wrong inside the application. Please restart Quilbex Control and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We couldn&apos;t find your pedals. Please connect them with USB and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your pedals are already in update mode. Continuing with the transfer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switching your pedals to update mode…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware installed. Waiting for your pedals to restart…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your pedals are connected again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for your pedals to appear in update mode…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update canceled while waiting for update mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the update (%1 KB)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your pedals couldn&apos;t accept this firmware file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update stopped unexpectedly right after it started. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing firmware…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update canceled while installing firmware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update paused too long without a reply from your pedals. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your pedals reported a problem during the update: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update lost sync with your pedals. Please try again from the beginning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device didn&apos;t confirm the update finished cleanly. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing… %1% complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for your pedals again after the restart…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create profiles directory: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name contains invalid characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VID / PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quilbex Pedals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quilbex Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pedals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not calibrated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration failed — press pedal fully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw ADC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deadzone top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deadzone bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter / smooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle calibration mode (auto-stops in 15 s).
Press the full pedal travel before stopping.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear calibration data for this channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter strength: 0 = fastest response, 6 = smoothest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear — linear pedal response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S-Curve — more sensitivity in the middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Early — more sensitivity at the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Late — more sensitivity at the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom — drag points on the chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrating... (move pedal full range)  %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clutch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device connection status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language, theme, and default paths. (Theme remains a placeholder in this version.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light (placeholder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quilbex Pedals profile (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile has unsaved changes in the editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save them to the currently selected profile, discard them, or cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least one profile must remain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permanently delete profile &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot overwrite target file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current firmware:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update progress will appear here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose firmware file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a firmware file to see how it compares to your pedals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware files (*.bin);;All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a firmware file (.bin) first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting update…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel requested. The update will stop as soon as the current step is safe to end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.

Current firmware version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update could not be completed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
