<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation>無效的設定檔。這不是 Quilbex Pedals 設定檔。</translation>
    </message>
    <message>
        <source>That file could not be found. Please check the path and try again.</source>
        <translation>找不到該檔案。請檢查路徑後再試一次。</translation>
    </message>
    <message>
        <source>Please choose a firmware file with the .bin extension.</source>
        <translation>請選擇副檔名為 .bin 的韌體檔案。</translation>
    </message>
    <message>
        <source>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</source>
        <translation>無法開啟該檔案。檔案可能正在使用中，或您沒有讀取權限。</translation>
    </message>
    <message>
        <source>That firmware file appears to be empty. Please export or download it again.</source>
        <translation>該韌體檔案似乎是空的。請重新匯出或下載。</translation>
    </message>
    <message>
        <source>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</source>
        <translation>此韌體檔案對踏板而言過大（%1 KB）。最多支援 %2 KB。</translation>
    </message>
    <message>
        <source>We couldn&apos;t read a version from the file name.</source>
        <translation>無法從檔名讀取版本號碼。</translation>
    </message>
    <message>
        <source>Connect your pedals to see the current firmware version.</source>
        <translation>連接踏板後即可查看目前的韌體版本。</translation>
    </message>
    <message>
        <source>A newer firmware version is available in this file.</source>
        <translation>此檔案包含較新版本的韌體。</translation>
    </message>
    <message>
        <source>This file looks older than the firmware on your pedals.</source>
        <translation>此檔案的版本似乎比踏板上的韌體舊。</translation>
    </message>
    <message>
        <source>This file matches the firmware already on your pedals.</source>
        <translation>此檔案與踏板上現有的韌體版本相同。</translation>
    </message>
    <message>
        <source>Starting update using: %1</source>
        <translation>正在使用以下檔案開始更新：%1</translation>
    </message>
    <message>
        <source>Something went wrong inside the application. Please restart Quilbex Control and try again.</source>
        <translation>應用程式發生內部錯誤。請重新啟動 Quilbex Control 後再試一次。</translation>
    </message>
    <message>
        <source>We couldn&apos;t find your pedals. Please connect them with USB and try again.</source>
        <translation>找不到踏板。請以 USB 連接踏板後再試一次。</translation>
    </message>
    <message>
        <source>Your pedals are already in update mode. Continuing with the transfer…</source>
        <translation>踏板已處於更新模式，繼續傳輸…</translation>
    </message>
    <message>
        <source>Switching your pedals to update mode…</source>
        <translation>正在將踏板切換至更新模式…</translation>
    </message>
    <message>
        <source>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</source>
        <translation>無法開始更新。請保持 USB 線連接，然後再試一次。</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</source>
        <translation>無法在更新模式下連接踏板。請試著拔除 USB 線後重新插上。</translation>
    </message>
    <message>
        <source>Firmware installed. Waiting for your pedals to restart…</source>
        <translation>韌體已安裝，正在等待踏板重新啟動…</translation>
    </message>
    <message>
        <source>Your pedals are connected again.</source>
        <translation>踏板已重新連接。</translation>
    </message>
    <message>
        <source>Waiting for your pedals to appear in update mode…</source>
        <translation>正在等待踏板進入更新模式…</translation>
    </message>
    <message>
        <source>Update canceled while waiting for update mode.</source>
        <translation>等待進入更新模式時已取消更新。</translation>
    </message>
    <message>
        <source>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</source>
        <translation>踏板未能及時進入更新模式。請拔除 USB 線，重新插上後再試一次。</translation>
    </message>
    <message>
        <source>Preparing the update (%1 KB)…</source>
        <translation>正在準備更新（%1 KB）…</translation>
    </message>
    <message>
        <source>Your pedals couldn&apos;t accept this firmware file: %1</source>
        <translation>踏板無法接受此韌體檔案：%1</translation>
    </message>
    <message>
        <source>The update stopped unexpectedly right after it started. Please try again.</source>
        <translation>更新剛開始就意外中止。請再試一次。</translation>
    </message>
    <message>
        <source>Installing firmware…</source>
        <translation>正在安裝韌體…</translation>
    </message>
    <message>
        <source>Update canceled while installing firmware.</source>
        <translation>安裝韌體時已取消更新。</translation>
    </message>
    <message>
        <source>The update paused too long without a reply from your pedals. %1</source>
        <translation>更新停頓過久，踏板沒有回應。%1</translation>
    </message>
    <message>
        <source>Your pedals reported a problem during the update: %1</source>
        <translation>更新過程中踏板回報了問題：%1</translation>
    </message>
    <message>
        <source>The update lost sync with your pedals. Please try again from the beginning.</source>
        <translation>更新與踏板失去同步。請從頭再試一次。</translation>
    </message>
    <message>
        <source>The device didn&apos;t confirm the update finished cleanly. %1</source>
        <translation>裝置未確認更新已正常完成。%1</translation>
    </message>
    <message>
        <source>Installing… %1% complete</source>
        <translation>正在安裝… 已完成 %1%</translation>
    </message>
    <message>
        <source>Looking for your pedals again after the restart…</source>
        <translation>踏板已重新啟動，正在重新尋找…</translation>
    </message>
    <message>
        <source>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</source>
        <translation>韌體已安裝，但未能及時重新連接踏板。

請拔除 USB 線後重新插上，必要時再重新開啟此頁面。</translation>
    </message>
    <message>
        <source>Cannot create profiles directory: %1</source>
        <translation>無法建立設定檔資料夾：%1</translation>
    </message>
    <message>
        <source>Cannot open file: %1</source>
        <translation>無法開啟檔案：%1</translation>
    </message>
    <message>
        <source>Cannot write: %1</source>
        <translation>無法寫入：%1</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>寫入失敗：%1</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>Cannot delete: %1</source>
        <translation>無法刪除：%1</translation>
    </message>
    <message>
        <source>Name is empty</source>
        <translation>名稱不可空白</translation>
    </message>
    <message>
        <source>Name contains invalid characters</source>
        <translation>名稱含有無效字元</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>VID / PID</source>
        <translation>VID / PID</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>中斷連線</translation>
    </message>
    <message>
        <source>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</source>
        <translation>已找到踏板，但目前的使用者無權開啟（權限遭拒）。請安裝 Quilbex Control 隨附的 udev 規則（請參閱 README 中的「Linux device permissions」一節），然後拔除並重新插上踏板。</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已連線</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <source>Quilbex Pedals</source>
        <translation>Quilbex Pedals</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>Quilbex Control</source>
        <translation>Quilbex Control</translation>
    </message>
    <message>
        <source>Pedals</source>
        <translation>踏板</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <source>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</source>
        <translation>韌體更新正在進行中。

若現在離開此頁面，可能難以掌握進度或安全地取消。

要留在「更新」頁面嗎？</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <translation>頁面：%1</translation>
    </message>
    <message>
        <source>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</source>
        <translation>韌體更新仍在進行中。

現在關閉 Quilbex Control 可能會中斷更新，使踏板處於未完成的狀態。

確定要結束嗎？</translation>
    </message>
    <message>
        <source>Not calibrated</source>
        <translation>未校正</translation>
    </message>
    <message>
        <source>Calibration completed</source>
        <translation>校正完成</translation>
    </message>
    <message>
        <source>Calibration failed — press pedal fully</source>
        <translation>校正失敗 — 請將踏板踩到底</translation>
    </message>
    <message>
        <source>Raw ADC</source>
        <translation>原始 ADC</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>Deadzone top</source>
        <translation>頂部死區</translation>
    </message>
    <message>
        <source>Deadzone bottom</source>
        <translation>底部死區</translation>
    </message>
    <message>
        <source>Filter / smooth</source>
        <translation>濾波 / 平滑</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快速</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>曲線</translation>
    </message>
    <message>
        <source>Toggle calibration mode (auto-stops in 15 s).
Press the full pedal travel before stopping.</source>
        <translation>切換校正模式（15 秒後自動停止）。
停止前請將踏板踩滿整個行程。</translation>
    </message>
    <message>
        <source>Stop Calibration</source>
        <translation>停止校正</translation>
    </message>
    <message>
        <source>Start Calibration</source>
        <translation>開始校正</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Clear calibration data for this channel</source>
        <translation>清除此踏板的校正資料</translation>
    </message>
    <message>
        <source>Filter strength: 0 = fastest response, 6 = smoothest</source>
        <translation>濾波強度：0 = 回應最快，6 = 最平滑</translation>
    </message>
    <message>
        <source>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</source>
        <translation>將此欄的死區、濾波和曲線寫入裝置。其他欄中尚未儲存的變更不會送出。</translation>
    </message>
    <message>
        <source>SAVED</source>
        <translation>已儲存</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Linear — linear pedal response</source>
        <translation>線性 — 線性踏板回應</translation>
    </message>
    <message>
        <source>S-Curve — more sensitivity in the middle</source>
        <translation>S 曲線 — 中段更靈敏</translation>
    </message>
    <message>
        <source>Early — more sensitivity at the start</source>
        <translation>前段 — 行程前段更靈敏</translation>
    </message>
    <message>
        <source>Late — more sensitivity at the end</source>
        <translation>後段 — 行程末段更靈敏</translation>
    </message>
    <message>
        <source>Custom — drag points on the chart</source>
        <translation>自訂 — 在圖表上拖曳控制點</translation>
    </message>
    <message>
        <source>Calibrating... (move pedal full range)  %1 s</source>
        <translation>校正中…（請將踏板踩滿整個行程）  %1 秒</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>油門</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>煞車</translation>
    </message>
    <message>
        <source>Clutch</source>
        <translation>離合器</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Device connection status</source>
        <translation>裝置連線狀態</translation>
    </message>
    <message>
        <source>Language, theme, and default paths. (Theme remains a placeholder in this version.)</source>
        <translation>語言、主題與預設路徑。（此版本的主題僅為預留項目。）</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Light (placeholder)</source>
        <translation>淺色（預留）</translation>
    </message>
    <message>
        <source>Quilbex Pedals profile (*.json);;All files (*)</source>
        <translation>Quilbex Pedals 設定檔 (*.json);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知的錯誤</translation>
    </message>
    <message>
        <source>Profile has unsaved changes in the editor.</source>
        <translation>編輯中的設定檔有尚未儲存的變更。</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>儲存失敗</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>新增設定檔</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>設定檔名稱：</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>載入設定檔</translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation>載入失敗</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>刪除設定檔</translation>
    </message>
    <message>
        <source>At least one profile must remain.</source>
        <translation>至少須保留一個設定檔。</translation>
    </message>
    <message>
        <source>Permanently delete profile &quot;%1&quot;?</source>
        <translation>要永久刪除設定檔「%1」嗎？</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>刪除失敗</translation>
    </message>
    <message>
        <source>Rename profile</source>
        <translation>重新命名設定檔</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>新名稱：</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>重新命名失敗</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>匯入設定檔</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>匯出設定檔</translation>
    </message>
    <message>
        <source>Cannot overwrite target file.</source>
        <translation>無法覆寫目標檔案。</translation>
    </message>
    <message>
        <source>Export failed.</source>
        <translation>匯出失敗。</translation>
    </message>
    <message>
        <source>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</source>
        <translation>選擇韌體檔案，確認下方的版本資訊，準備好後即可開始更新。若檔名包含版本號碼（例如 2.0.7），會顯示在此處以便快速比較。</translation>
    </message>
    <message>
        <source>Current firmware:</source>
        <translation>目前韌體：</translation>
    </message>
    <message>
        <source>Selected file:</source>
        <translation>選取的檔案：</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>檔案版本：</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>狀態：</translation>
    </message>
    <message>
        <source>Update progress will appear here.</source>
        <translation>更新進度將顯示於此。</translation>
    </message>
    <message>
        <source>Choose firmware file</source>
        <translation>選擇韌體檔案</translation>
    </message>
    <message>
        <source>Start update</source>
        <translation>開始更新</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（無）</translation>
    </message>
    <message>
        <source>Choose a firmware file to see how it compares to your pedals.</source>
        <translation>選擇韌體檔案，即可與踏板上的韌體版本比較。</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>已選取：%1</translation>
    </message>
    <message>
        <source>Firmware files (*.bin);;All files (*.*)</source>
        <translation>韌體檔案 (*.bin);;所有檔案 (*.*)</translation>
    </message>
    <message>
        <source>Please choose a firmware file (.bin) first.</source>
        <translation>請先選擇韌體檔案（.bin）。</translation>
    </message>
    <message>
        <source>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</source>
        <translation>即將開始韌體更新。

更新完成前，請保持 USB 線連接，並且不要關閉本程式。

要繼續嗎？</translation>
    </message>
    <message>
        <source>Starting update…</source>
        <translation>正在開始更新…</translation>
    </message>
    <message>
        <source>Cancel requested. The update will stop as soon as the current step is safe to end.</source>
        <translation>已要求取消。更新會在目前步驟可安全結束時停止。</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>更新完成</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.

Current firmware version: %1</source>
        <translation>踏板已成功更新。

目前韌體版本：%1</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.</source>
        <translation>踏板已成功更新。</translation>
    </message>
    <message>
        <source>Update could not be completed</source>
        <translation>無法完成更新</translation>
    </message>
    <message>
        <source>Not an executable file name: &quot;%1&quot;</source>
        <translation>不是有效的執行檔名稱：「%1」</translation>
    </message>
    <message>
        <source>The pedals are not connected.</source>
        <translation>踏板未連接。</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>遊戲…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>重新命名…</translation>
    </message>
    <message>
        <source>%1 ended, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 已結束，但編輯器中有尚未儲存的變更：未切換設定檔。</translation>
    </message>
    <message>
        <source>%1 started, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 已啟動，但編輯器中有尚未儲存的變更：未切換設定檔。</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold the settings from before the game.</source>
        <translation>%1 已結束：踏板已是遊戲啟動前的設定。</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before the game were restored.</source>
        <translation>%1 已結束：已還原遊戲啟動前的設定。</translation>
    </message>
    <message>
        <source>These games switch the pedals to this profile when they start:</source>
        <translation>下列遊戲啟動時，踏板會切換至此設定檔：</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Switch profiles when a game starts</source>
        <translation>遊戲啟動時切換設定檔</translation>
    </message>
    <message>
        <source>Return to the previous profile when the game ends</source>
        <translation>遊戲結束時返回先前的設定檔</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>不是一般檔案：%1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>檔案過大：%1</translation>
    </message>
    <message>
        <source>The configuration history %1 is not a regular file.</source>
        <translation>組態記錄 %1 不是一般檔案。</translation>
    </message>
    <message>
        <source>The configuration history %1 is larger than 1 MiB and was not read.</source>
        <translation>組態記錄 %1 超過 1 MiB，未讀取。</translation>
    </message>
    <message>
        <source>Cannot read the configuration history %1: %2</source>
        <translation>無法讀取組態記錄 %1：%2</translation>
    </message>
    <message>
        <source>The configuration history %1 is damaged and was not read.</source>
        <translation>組態記錄 %1 已損毀，未讀取。</translation>
    </message>
    <message>
        <source>The configuration history is empty.</source>
        <translation>組態記錄是空的。</translation>
    </message>
    <message>
        <source>The configuration history has no entry %1.</source>
        <translation>組態記錄中沒有項目 %1。</translation>
    </message>
    <message>
        <source>Cannot write the configuration history %1: %2</source>
        <translation>無法寫入組態記錄 %1：%2</translation>
    </message>
    <message>
        <source>save pedal</source>
        <translation>儲存踏板</translation>
    </message>
    <message>
        <source>write configuration</source>
        <translation>寫入組態</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>calibration reset</source>
        <translation>重設校正</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>套用設定檔</translation>
    </message>
    <message>
        <source>firmware update</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <source>game switch</source>
        <translation>遊戲自動切換</translation>
    </message>
    <message>
        <source>The pedals&apos; settings could not be read, so nothing will be written to them. Trying again every few seconds; if this stays, reconnect or re-plug the pedals.</source>
        <translation>無法讀取踏板的設定，因此不會寫入任何內容到踏板。每隔幾秒會自動重試；若問題持續，請重新連線踏板，或拔除後重新插上。</translation>
    </message>
    <message>
        <source>A firmware update is running.</source>
        <translation>韌體更新正在進行中。</translation>
    </message>
    <message>
        <source>The pedals are restarting to store the last change. Wait until they are back.</source>
        <translation>踏板正在重新啟動以儲存上次的變更。請等待踏板重新連線。</translation>
    </message>
    <message>
        <source>The pedals did not take the settings. The changes are still marked unsaved; try again, or reconnect the pedals if it keeps failing.</source>
        <translation>踏板未接受這些設定。變更仍標示為尚未儲存；請再試一次，若持續失敗，請重新連線踏板。</translation>
    </message>
    <message>
        <source>That is not a regular file. Please choose a firmware file (.bin).</source>
        <translation>這不是一般檔案。請選擇韌體檔案（.bin）。</translation>
    </message>
    <message>
        <source>Nothing kept yet. Before every write to the pedals, what they held is kept here.</source>
        <translation>尚無記錄。每次寫入踏板前，踏板原有的組態都會保存在這裡。</translation>
    </message>
    <message>
        <source>Restore configuration</source>
        <translation>還原組態</translation>
    </message>
    <message>
        <source>Write the configuration the pedals held on %1 (before: %2) back to them? What they hold now is kept in the history first.</source>
        <translation>要將踏板在 %1 時的組態（於「%2」之前保存）寫回踏板嗎？踏板目前的組態會先保存到記錄中。</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>組態記錄</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Kept before</source>
        <translation>觸發操作</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>還原…</translation>
    </message>
    <message>
        <source>Not written to the pedals</source>
        <translation>未寫入踏板</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>軌跡</translation>
    </message>
    <message>
        <source>%1: the profile file %2 could not be loaded: %3</source>
        <translation>%1：無法載入設定檔 %2：%3</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; will be applied when the pedals are ready.</source>
        <translation>%1 已啟動：踏板就緒後將套用設定檔「%2」。</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 已結束：踏板已在使用設定檔「%2」。</translation>
    </message>
    <message>
        <source>%1 started: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 已啟動：踏板已在使用設定檔「%2」。</translation>
    </message>
    <message>
        <source>%1: the profile could not be written; the pedals keep their current settings.</source>
        <translation>%1：無法將設定檔寫入踏板，踏板保留目前的設定。</translation>
    </message>
    <message>
        <source>%1 ended: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 已結束：已將設定檔「%2」套用至踏板。</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 已啟動：已將設定檔「%2」套用至踏板。</translation>
    </message>
    <message>
        <source>Games for profile &quot;%1&quot;</source>
        <translation>設定檔「%1」的遊戲</translation>
    </message>
    <message>
        <source>Type an executable name or pick a running program</source>
        <translation>輸入執行檔名稱，或選擇執行中的程式</translation>
    </message>
    <message>
        <source>%1 was bound to profile &quot;%2&quot;; it now switches the pedals to this profile.</source>
        <translation>%1 原本綁定至設定檔「%2」，現在改為將踏板切換至此設定檔。</translation>
    </message>
    <message>
        <source>Save them to the profile &quot;%1&quot; they were made on, discard them, or cancel.</source>
        <translation>您可以將變更儲存至進行這些變更的設定檔「%1」、捨棄變更，或取消。</translation>
    </message>
    <message>
        <source>Save them as a new profile, discard them, or cancel.</source>
        <translation>您可以將變更儲存為新的設定檔、捨棄變更，或取消。</translation>
    </message>
    <message>
        <source>Last brake: peak %1 %, %2 s</source>
        <translation>上次煞車：峰值 %1%，%2 秒</translation>
    </message>
    <message>
        <source>The output of the three pedals over the last 10 seconds, newest on the right. The last brake application is held as a dashed line from the left edge.</source>
        <translation>三個踏板在最近 10 秒內的輸出，最新資料在最右側。上一次煞車會以虛線保留顯示，從左側邊緣開始。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>錄製</translation>
    </message>
    <message>
        <source>The documents folder cannot be created.</source>
        <translation>無法建立「文件」資料夾。</translation>
    </message>
    <message>
        <source>Trace saved to %1</source>
        <translation>軌跡已儲存至 %1</translation>
    </message>
    <message>
        <source>The trace cannot be written to %1.

%2</source>
        <translation>無法將軌跡寫入 %1。

%2</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>正在錄製至 %1</translation>
    </message>
</context>
</TS>
