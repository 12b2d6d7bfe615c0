<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation>无效的配置文件。这不是 Quilbex Pedals 配置文件。</translation>
    </message>
    <message>
        <source>That file could not be found. Please check the path and try again.</source>
        <translation>找不到该文件。请检查路径后重试。</translation>
    </message>
    <message>
        <source>Please choose a firmware file with the .bin extension.</source>
        <translation>请选择扩展名为 .bin 的固件文件。</translation>
    </message>
    <message>
        <source>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</source>
        <translation>无法打开该文件。文件可能正被占用，或者您没有读取权限。</translation>
    </message>
    <message>
        <source>That firmware file appears to be empty. Please export or download it again.</source>
        <translation>该固件文件似乎是空的。请重新导出或下载。</translation>
    </message>
    <message>
        <source>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</source>
        <translation>该固件文件对踏板来说过大（%1 KB）。最大支持 %2 KB。</translation>
    </message>
    <message>
        <source>We couldn&apos;t read a version from the file name.</source>
        <translation>无法从文件名中识别版本号。</translation>
    </message>
    <message>
        <source>Connect your pedals to see the current firmware version.</source>
        <translation>连接踏板后即可查看当前固件版本。</translation>
    </message>
    <message>
        <source>A newer firmware version is available in this file.</source>
        <translation>此文件包含较新版本的固件。</translation>
    </message>
    <message>
        <source>This file looks older than the firmware on your pedals.</source>
        <translation>此文件的版本似乎比踏板上的固件旧。</translation>
    </message>
    <message>
        <source>This file matches the firmware already on your pedals.</source>
        <translation>此文件与踏板上现有的固件版本相同。</translation>
    </message>
    <message>
        <source>Starting update using: %1</source>
        <translation>正在使用以下文件开始更新：%1</translation>
    </message>
    <message>
        <source>Something went wrong inside the application. Please restart Quilbex Control and try again.</source>
        <translation>应用程序内部出错。请重新启动 Quilbex Control 后重试。</translation>
    </message>
    <message>
        <source>We couldn&apos;t find your pedals. Please connect them with USB and try again.</source>
        <translation>未找到踏板。请通过 USB 连接踏板后重试。</translation>
    </message>
    <message>
        <source>Your pedals are already in update mode. Continuing with the transfer…</source>
        <translation>踏板已处于更新模式，继续传输…</translation>
    </message>
    <message>
        <source>Switching your pedals to update mode…</source>
        <translation>正在将踏板切换到更新模式…</translation>
    </message>
    <message>
        <source>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</source>
        <translation>无法开始更新。请保持 USB 线连接并重试。</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</source>
        <translation>无法在更新模式下连接踏板。请尝试拔下并重新插入 USB 线。</translation>
    </message>
    <message>
        <source>Firmware installed. Waiting for your pedals to restart…</source>
        <translation>固件已安装，正在等待踏板重启…</translation>
    </message>
    <message>
        <source>Your pedals are connected again.</source>
        <translation>踏板已重新连接。</translation>
    </message>
    <message>
        <source>Waiting for your pedals to appear in update mode…</source>
        <translation>正在等待踏板进入更新模式…</translation>
    </message>
    <message>
        <source>Update canceled while waiting for update mode.</source>
        <translation>等待进入更新模式时已取消更新。</translation>
    </message>
    <message>
        <source>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</source>
        <translation>踏板未能及时进入更新模式。请拔下 USB 线，重新插入后重试。</translation>
    </message>
    <message>
        <source>Preparing the update (%1 KB)…</source>
        <translation>正在准备更新（%1 KB）…</translation>
    </message>
    <message>
        <source>Your pedals couldn&apos;t accept this firmware file: %1</source>
        <translation>踏板无法接受此固件文件：%1</translation>
    </message>
    <message>
        <source>The update stopped unexpectedly right after it started. Please try again.</source>
        <translation>更新刚开始就意外中止。请重试。</translation>
    </message>
    <message>
        <source>Installing firmware…</source>
        <translation>正在安装固件…</translation>
    </message>
    <message>
        <source>Update canceled while installing firmware.</source>
        <translation>安装固件时已取消更新。</translation>
    </message>
    <message>
        <source>The update paused too long without a reply from your pedals. %1</source>
        <translation>更新停顿过久，踏板没有响应。%1</translation>
    </message>
    <message>
        <source>Your pedals reported a problem during the update: %1</source>
        <translation>更新过程中踏板报告了问题：%1</translation>
    </message>
    <message>
        <source>The update lost sync with your pedals. Please try again from the beginning.</source>
        <translation>更新与踏板失去同步。请从头重试。</translation>
    </message>
    <message>
        <source>The device didn&apos;t confirm the update finished cleanly. %1</source>
        <translation>设备未确认更新已正常完成。%1</translation>
    </message>
    <message>
        <source>Installing… %1% complete</source>
        <translation>正在安装… 已完成 %1%</translation>
    </message>
    <message>
        <source>Looking for your pedals again after the restart…</source>
        <translation>踏板已重启，正在重新查找…</translation>
    </message>
    <message>
        <source>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</source>
        <translation>固件已安装，但未能及时重新连接到踏板。

请拔下 USB 线并重新插入，如有需要，再重新打开此页面。</translation>
    </message>
    <message>
        <source>Cannot create profiles directory: %1</source>
        <translation>无法创建配置文件目录：%1</translation>
    </message>
    <message>
        <source>Cannot open file: %1</source>
        <translation>无法打开文件：%1</translation>
    </message>
    <message>
        <source>Cannot write: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>写入失败：%1</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>Cannot delete: %1</source>
        <translation>无法删除：%1</translation>
    </message>
    <message>
        <source>Name is empty</source>
        <translation>名称不能为空</translation>
    </message>
    <message>
        <source>Name contains invalid characters</source>
        <translation>名称包含无效字符</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>VID / PID</source>
        <translation>VID / PID</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</source>
        <translation>已找到踏板，但当前用户无权打开（权限被拒绝）。请安装 Quilbex Control 附带的 udev 规则（参见 README 中的“Linux device permissions”一节），然后拔下并重新插入踏板。</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Quilbex Pedals</source>
        <translation>Quilbex Pedals</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
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
        <translation>设置</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <source>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</source>
        <translation>固件更新正在进行中。

如果现在离开此页面，可能难以跟踪进度或安全取消。

是否留在“更新”页面？</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <translation>页面：%1</translation>
    </message>
    <message>
        <source>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</source>
        <translation>固件更新仍在进行中。

现在关闭 Quilbex Control 可能会中断更新，使踏板处于未完成状态。

确定要退出吗？</translation>
    </message>
    <message>
        <source>Not calibrated</source>
        <translation>未校准</translation>
    </message>
    <message>
        <source>Calibration completed</source>
        <translation>校准完成</translation>
    </message>
    <message>
        <source>Calibration failed — press pedal fully</source>
        <translation>校准失败 — 请将踏板踩到底</translation>
    </message>
    <message>
        <source>Raw ADC</source>
        <translation>原始 ADC</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Deadzone top</source>
        <translation>顶部死区</translation>
    </message>
    <message>
        <source>Deadzone bottom</source>
        <translation>底部死区</translation>
    </message>
    <message>
        <source>Filter / smooth</source>
        <translation>滤波 / 平滑</translation>
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
        <translation>曲线</translation>
    </message>
    <message>
        <source>Toggle calibration mode (auto-stops in 15 s).
Press the full pedal travel before stopping.</source>
        <translation>切换校准模式（15 秒后自动停止）。
停止前请将踏板踩满整个行程。</translation>
    </message>
    <message>
        <source>Stop Calibration</source>
        <translation>停止校准</translation>
    </message>
    <message>
        <source>Start Calibration</source>
        <translation>开始校准</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Clear calibration data for this channel</source>
        <translation>清除此踏板的校准数据</translation>
    </message>
    <message>
        <source>Filter strength: 0 = fastest response, 6 = smoothest</source>
        <translation>滤波强度：0 = 响应最快，6 = 最平滑</translation>
    </message>
    <message>
        <source>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</source>
        <translation>将此列的死区、滤波和曲线写入设备。其他列中未保存的更改不会发送。</translation>
    </message>
    <message>
        <source>SAVED</source>
        <translation>已保存</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Linear — linear pedal response</source>
        <translation>线性 — 线性踏板响应</translation>
    </message>
    <message>
        <source>S-Curve — more sensitivity in the middle</source>
        <translation>S 曲线 — 中段更灵敏</translation>
    </message>
    <message>
        <source>Early — more sensitivity at the start</source>
        <translation>前段 — 行程前段更灵敏</translation>
    </message>
    <message>
        <source>Late — more sensitivity at the end</source>
        <translation>后段 — 行程末段更灵敏</translation>
    </message>
    <message>
        <source>Custom — drag points on the chart</source>
        <translation>自定义 — 在图表上拖动控制点</translation>
    </message>
    <message>
        <source>Calibrating... (move pedal full range)  %1 s</source>
        <translation>校准中…（请将踏板踩满整个行程）  %1 秒</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>油门</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>刹车</translation>
    </message>
    <message>
        <source>Clutch</source>
        <translation>离合</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Device connection status</source>
        <translation>设备连接状态</translation>
    </message>
    <message>
        <source>Language, theme, and default paths. (Theme remains a placeholder in this version.)</source>
        <translation>语言、主题和默认路径。（此版本中主题仅为占位项。）</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Light (placeholder)</source>
        <translation>浅色（占位）</translation>
    </message>
    <message>
        <source>Quilbex Pedals profile (*.json);;All files (*)</source>
        <translation>Quilbex Pedals 配置文件 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Profile has unsaved changes in the editor.</source>
        <translation>编辑中的配置文件有未保存的更改。</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>新建配置文件</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>配置文件名称：</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>加载配置文件</translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation>加载失败</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>删除配置文件</translation>
    </message>
    <message>
        <source>At least one profile must remain.</source>
        <translation>至少需要保留一个配置文件。</translation>
    </message>
    <message>
        <source>Permanently delete profile &quot;%1&quot;?</source>
        <translation>要永久删除配置文件“%1”吗？</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>删除失败</translation>
    </message>
    <message>
        <source>Rename profile</source>
        <translation>重命名配置文件</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>新名称：</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>重命名失败</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>导入配置文件</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>导出配置文件</translation>
    </message>
    <message>
        <source>Cannot overwrite target file.</source>
        <translation>无法覆盖目标文件。</translation>
    </message>
    <message>
        <source>Export failed.</source>
        <translation>导出失败。</translation>
    </message>
    <message>
        <source>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</source>
        <translation>选择固件文件，查看下方的版本信息，准备就绪后开始更新。如果文件名中包含版本号（如 2.0.7），会在此处显示以便快速比较。</translation>
    </message>
    <message>
        <source>Current firmware:</source>
        <translation>当前固件：</translation>
    </message>
    <message>
        <source>Selected file:</source>
        <translation>所选文件：</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>文件版本：</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状态：</translation>
    </message>
    <message>
        <source>Update progress will appear here.</source>
        <translation>更新进度将显示在此处。</translation>
    </message>
    <message>
        <source>Choose firmware file</source>
        <translation>选择固件文件</translation>
    </message>
    <message>
        <source>Start update</source>
        <translation>开始更新</translation>
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
        <translation>（无）</translation>
    </message>
    <message>
        <source>Choose a firmware file to see how it compares to your pedals.</source>
        <translation>选择固件文件，即可与踏板上的固件版本进行比较。</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>已选择：%1</translation>
    </message>
    <message>
        <source>Firmware files (*.bin);;All files (*.*)</source>
        <translation>固件文件 (*.bin);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Please choose a firmware file (.bin) first.</source>
        <translation>请先选择固件文件（.bin）。</translation>
    </message>
    <message>
        <source>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</source>
        <translation>即将开始固件更新。

在更新完成之前，请保持 USB 线连接，并且不要关闭本程序。

是否继续？</translation>
    </message>
    <message>
        <source>Starting update…</source>
        <translation>正在开始更新…</translation>
    </message>
    <message>
        <source>Cancel requested. The update will stop as soon as the current step is safe to end.</source>
        <translation>已请求取消。更新将在当前步骤可安全结束时停止。</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>更新完成</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.

Current firmware version: %1</source>
        <translation>踏板已成功更新。

当前固件版本：%1</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.</source>
        <translation>踏板已成功更新。</translation>
    </message>
    <message>
        <source>Update could not be completed</source>
        <translation>无法完成更新</translation>
    </message>
    <message>
        <source>Not an executable file name: &quot;%1&quot;</source>
        <translation>不是有效的可执行文件名：“%1”</translation>
    </message>
    <message>
        <source>The pedals are not connected.</source>
        <translation>踏板未连接。</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>游戏…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>重命名…</translation>
    </message>
    <message>
        <source>%1 ended, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 已退出，但编辑器中有未保存的更改：未切换配置文件。</translation>
    </message>
    <message>
        <source>%1 started, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 已启动，但编辑器中有未保存的更改：未切换配置文件。</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold the settings from before the game.</source>
        <translation>%1 已退出：踏板已是游戏启动前的设置。</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before the game were restored.</source>
        <translation>%1 已退出：已恢复游戏启动前的设置。</translation>
    </message>
    <message>
        <source>These games switch the pedals to this profile when they start:</source>
        <translation>以下游戏启动时，踏板将切换到此配置文件：</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Switch profiles when a game starts</source>
        <translation>游戏启动时切换配置文件</translation>
    </message>
    <message>
        <source>Return to the previous profile when the game ends</source>
        <translation>游戏退出时恢复之前的配置文件</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>不是常规文件：%1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>文件过大：%1</translation>
    </message>
    <message>
        <source>The configuration history %1 is not a regular file.</source>
        <translation>配置历史记录 %1 不是常规文件。</translation>
    </message>
    <message>
        <source>The configuration history %1 is larger than 1 MiB and was not read.</source>
        <translation>配置历史记录 %1 超过 1 MiB，未读取。</translation>
    </message>
    <message>
        <source>Cannot read the configuration history %1: %2</source>
        <translation>无法读取配置历史记录 %1：%2</translation>
    </message>
    <message>
        <source>The configuration history %1 is damaged and was not read.</source>
        <translation>配置历史记录 %1 已损坏，未读取。</translation>
    </message>
    <message>
        <source>The configuration history is empty.</source>
        <translation>配置历史记录为空。</translation>
    </message>
    <message>
        <source>The configuration history has no entry %1.</source>
        <translation>配置历史记录中没有条目 %1。</translation>
    </message>
    <message>
        <source>Cannot write the configuration history %1: %2</source>
        <translation>无法写入配置历史记录 %1：%2</translation>
    </message>
    <message>
        <source>save pedal</source>
        <translation>保存踏板</translation>
    </message>
    <message>
        <source>write configuration</source>
        <translation>写入配置</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>calibration reset</source>
        <translation>重置校准</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>应用配置文件</translation>
    </message>
    <message>
        <source>firmware update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <source>game switch</source>
        <translation>游戏自动切换</translation>
    </message>
    <message>
        <source>The pedals&apos; settings could not be read, so nothing will be written to them. Trying again every few seconds; if this stays, reconnect or re-plug the pedals.</source>
        <translation>无法读取踏板的设置，因此不会向踏板写入任何内容。每隔几秒会自动重试；如果问题持续存在，请重新连接踏板，或拔下后重新插入。</translation>
    </message>
    <message>
        <source>A firmware update is running.</source>
        <translation>固件更新正在进行中。</translation>
    </message>
    <message>
        <source>The pedals are restarting to store the last change. Wait until they are back.</source>
        <translation>踏板正在重启以保存上次更改。请等待踏板重新连接。</translation>
    </message>
    <message>
        <source>The pedals did not take the settings. The changes are still marked unsaved; try again, or reconnect the pedals if it keeps failing.</source>
        <translation>踏板未接受这些设置。更改仍标记为未保存；请重试，如果仍然失败，请重新连接踏板。</translation>
    </message>
    <message>
        <source>That is not a regular file. Please choose a firmware file (.bin).</source>
        <translation>这不是常规文件。请选择固件文件（.bin）。</translation>
    </message>
    <message>
        <source>Nothing kept yet. Before every write to the pedals, what they held is kept here.</source>
        <translation>尚无记录。每次写入踏板之前，踏板原有的配置都会保存在这里。</translation>
    </message>
    <message>
        <source>Restore configuration</source>
        <translation>恢复配置</translation>
    </message>
    <message>
        <source>Write the configuration the pedals held on %1 (before: %2) back to them? What they hold now is kept in the history first.</source>
        <translation>要将踏板在 %1 时的配置（在“%2”之前保存）写回踏板吗？踏板当前的配置会先保存到历史记录中。</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>配置历史记录</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Kept before</source>
        <translation>触发操作</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>恢复…</translation>
    </message>
    <message>
        <source>Not written to the pedals</source>
        <translation>未写入踏板</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>轨迹</translation>
    </message>
    <message>
        <source>%1: the profile file %2 could not be loaded: %3</source>
        <translation>%1：无法加载配置文件 %2：%3</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; will be applied when the pedals are ready.</source>
        <translation>%1 已启动：踏板就绪后将应用配置文件“%2”。</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 已退出：踏板已在使用配置文件“%2”。</translation>
    </message>
    <message>
        <source>%1 started: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 已启动：踏板已在使用配置文件“%2”。</translation>
    </message>
    <message>
        <source>%1: the profile could not be written; the pedals keep their current settings.</source>
        <translation>%1：无法将配置文件写入踏板，踏板保留当前设置。</translation>
    </message>
    <message>
        <source>%1 ended: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 已退出：已将配置文件“%2”应用到踏板。</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 已启动：已将配置文件“%2”应用到踏板。</translation>
    </message>
    <message>
        <source>Games for profile &quot;%1&quot;</source>
        <translation>配置文件“%1”的游戏</translation>
    </message>
    <message>
        <source>Type an executable name or pick a running program</source>
        <translation>输入可执行文件名，或选择正在运行的程序</translation>
    </message>
    <message>
        <source>%1 was bound to profile &quot;%2&quot;; it now switches the pedals to this profile.</source>
        <translation>%1 原先绑定到配置文件“%2”，现在改为将踏板切换到此配置文件。</translation>
    </message>
    <message>
        <source>Save them to the profile &quot;%1&quot; they were made on, discard them, or cancel.</source>
        <translation>您可以将更改保存到进行这些更改的配置文件“%1”、放弃更改，或取消。</translation>
    </message>
    <message>
        <source>Save them as a new profile, discard them, or cancel.</source>
        <translation>您可以将更改保存为新的配置文件、放弃更改，或取消。</translation>
    </message>
    <message>
        <source>Last brake: peak %1 %, %2 s</source>
        <translation>上次刹车：峰值 %1%，%2 秒</translation>
    </message>
    <message>
        <source>The output of the three pedals over the last 10 seconds, newest on the right. The last brake application is held as a dashed line from the left edge.</source>
        <translation>三个踏板在最近 10 秒内的输出，最新数据在最右侧。上一次刹车会以虚线保留显示，从左侧边缘开始。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>The documents folder cannot be created.</source>
        <translation>无法创建“文档”文件夹。</translation>
    </message>
    <message>
        <source>Trace saved to %1</source>
        <translation>轨迹已保存到 %1</translation>
    </message>
    <message>
        <source>The trace cannot be written to %1.

%2</source>
        <translation>无法将轨迹写入 %1。

%2</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>正在录制到 %1</translation>
    </message>
</context>
</TS>
