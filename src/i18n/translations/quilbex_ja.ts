<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation>無効なプロファイルファイルです。Quilbex Pedals のプロファイルではありません。</translation>
    </message>
    <message>
        <source>That file could not be found. Please check the path and try again.</source>
        <translation>ファイルが見つかりません。パスを確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Please choose a firmware file with the .bin extension.</source>
        <translation>拡張子が .bin のファームウェアファイルを選択してください。</translation>
    </message>
    <message>
        <source>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</source>
        <translation>ファイルを開けませんでした。使用中であるか、読み取り権限がない可能性があります。</translation>
    </message>
    <message>
        <source>That firmware file appears to be empty. Please export or download it again.</source>
        <translation>ファームウェアファイルが空のようです。もう一度エクスポートまたはダウンロードしてください。</translation>
    </message>
    <message>
        <source>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</source>
        <translation>このファームウェアファイルはペダルには大きすぎます（%1 KB）。対応する最大サイズは %2 KB です。</translation>
    </message>
    <message>
        <source>We couldn&apos;t read a version from the file name.</source>
        <translation>ファイル名からバージョンを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Connect your pedals to see the current firmware version.</source>
        <translation>現在のファームウェアバージョンを確認するには、ペダルを接続してください。</translation>
    </message>
    <message>
        <source>A newer firmware version is available in this file.</source>
        <translation>このファイルには新しいバージョンのファームウェアが含まれています。</translation>
    </message>
    <message>
        <source>This file looks older than the firmware on your pedals.</source>
        <translation>このファイルはペダルのファームウェアより古いようです。</translation>
    </message>
    <message>
        <source>This file matches the firmware already on your pedals.</source>
        <translation>このファイルはペダルの現在のファームウェアと同じです。</translation>
    </message>
    <message>
        <source>Starting update using: %1</source>
        <translation>次のファイルで更新を開始します：%1</translation>
    </message>
    <message>
        <source>Something went wrong inside the application. Please restart Quilbex Control and try again.</source>
        <translation>アプリケーション内部でエラーが発生しました。Quilbex Control を再起動して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>We couldn&apos;t find your pedals. Please connect them with USB and try again.</source>
        <translation>ペダルが見つかりません。USB で接続して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Your pedals are already in update mode. Continuing with the transfer…</source>
        <translation>ペダルはすでに更新モードです。転送を続行します…</translation>
    </message>
    <message>
        <source>Switching your pedals to update mode…</source>
        <translation>ペダルを更新モードに切り替えています…</translation>
    </message>
    <message>
        <source>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</source>
        <translation>更新を開始できませんでした。USB ケーブルを接続したまま、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</source>
        <translation>更新モードのペダルに接続できませんでした。USB ケーブルを抜き差ししてみてください。</translation>
    </message>
    <message>
        <source>Firmware installed. Waiting for your pedals to restart…</source>
        <translation>ファームウェアをインストールしました。ペダルの再起動を待っています…</translation>
    </message>
    <message>
        <source>Your pedals are connected again.</source>
        <translation>ペダルが再接続されました。</translation>
    </message>
    <message>
        <source>Waiting for your pedals to appear in update mode…</source>
        <translation>ペダルが更新モードで認識されるのを待っています…</translation>
    </message>
    <message>
        <source>Update canceled while waiting for update mode.</source>
        <translation>更新モードへの切り替えを待機中に、更新がキャンセルされました。</translation>
    </message>
    <message>
        <source>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</source>
        <translation>ペダルが時間内に更新モードに切り替わりませんでした。USB ケーブルを抜き差しして、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Preparing the update (%1 KB)…</source>
        <translation>更新を準備しています（%1 KB）…</translation>
    </message>
    <message>
        <source>Your pedals couldn&apos;t accept this firmware file: %1</source>
        <translation>ペダルがこのファームウェアファイルを受け付けませんでした：%1</translation>
    </message>
    <message>
        <source>The update stopped unexpectedly right after it started. Please try again.</source>
        <translation>更新が開始直後に予期せず停止しました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Installing firmware…</source>
        <translation>ファームウェアをインストールしています…</translation>
    </message>
    <message>
        <source>Update canceled while installing firmware.</source>
        <translation>ファームウェアのインストール中に、更新がキャンセルされました。</translation>
    </message>
    <message>
        <source>The update paused too long without a reply from your pedals. %1</source>
        <translation>ペダルからの応答がないまま、更新が長時間止まりました。%1</translation>
    </message>
    <message>
        <source>Your pedals reported a problem during the update: %1</source>
        <translation>更新中にペダルが問題を報告しました：%1</translation>
    </message>
    <message>
        <source>The update lost sync with your pedals. Please try again from the beginning.</source>
        <translation>更新中にペダルとの同期が失われました。最初からやり直してください。</translation>
    </message>
    <message>
        <source>The device didn&apos;t confirm the update finished cleanly. %1</source>
        <translation>更新が正常に完了したことをデバイスが確認できませんでした。%1</translation>
    </message>
    <message>
        <source>Installing… %1% complete</source>
        <translation>インストール中… %1% 完了</translation>
    </message>
    <message>
        <source>Looking for your pedals again after the restart…</source>
        <translation>再起動したペダルを再検出しています…</translation>
    </message>
    <message>
        <source>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</source>
        <translation>ファームウェアはインストールされましたが、時間内にペダルに再接続できませんでした。

USB ケーブルを抜き差しし、必要に応じてこのページを開き直してください。</translation>
    </message>
    <message>
        <source>Cannot create profiles directory: %1</source>
        <translation>プロファイルフォルダーを作成できません：%1</translation>
    </message>
    <message>
        <source>Cannot open file: %1</source>
        <translation>ファイルを開けません：%1</translation>
    </message>
    <message>
        <source>Cannot write: %1</source>
        <translation>書き込めません：%1</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>書き込みに失敗しました：%1</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>Cannot delete: %1</source>
        <translation>削除できません：%1</translation>
    </message>
    <message>
        <source>Name is empty</source>
        <translation>名前が入力されていません</translation>
    </message>
    <message>
        <source>Name contains invalid characters</source>
        <translation>名前に使用できない文字が含まれています</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>VID / PID</source>
        <translation>VID / PID</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</source>
        <translation>ペダルは見つかりましたが、このユーザーには開く権限がありません（アクセス拒否）。Quilbex Control に付属の udev ルールをインストールし（README の「Linux device permissions」を参照）、ペダルを抜き差ししてください。</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Quilbex Pedals</source>
        <translation>Quilbex Pedals</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Quilbex Control</source>
        <translation>Quilbex Control</translation>
    </message>
    <message>
        <source>Pedals</source>
        <translation>ペダル</translation>
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
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</source>
        <translation>ファームウェアの更新を実行中です。

今このページを離れると、進行状況の確認や安全なキャンセルが難しくなる場合があります。

「更新」ページにとどまりますか？</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <translation>ページ：%1</translation>
    </message>
    <message>
        <source>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</source>
        <translation>ファームウェアの更新がまだ実行中です。

今 Quilbex Control を閉じると更新が中断され、ペダルが不完全な状態のままになるおそれがあります。

終了してもよろしいですか？</translation>
    </message>
    <message>
        <source>Not calibrated</source>
        <translation>未校正</translation>
    </message>
    <message>
        <source>Calibration completed</source>
        <translation>校正完了</translation>
    </message>
    <message>
        <source>Calibration failed — press pedal fully</source>
        <translation>校正失敗 — ペダルを奥まで踏み込んでください</translation>
    </message>
    <message>
        <source>Raw ADC</source>
        <translation>ADC 生値</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Deadzone top</source>
        <translation>上側デッドゾーン</translation>
    </message>
    <message>
        <source>Deadzone bottom</source>
        <translation>下側デッドゾーン</translation>
    </message>
    <message>
        <source>Filter / smooth</source>
        <translation>フィルター / 平滑化</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>滑らか</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>カーブ</translation>
    </message>
    <message>
        <source>Toggle calibration mode (auto-stops in 15 s).
Press the full pedal travel before stopping.</source>
        <translation>校正モードを切り替えます（15 秒で自動停止）。
停止する前に、ペダルを全行程踏み込んでください。</translation>
    </message>
    <message>
        <source>Stop Calibration</source>
        <translation>校正停止</translation>
    </message>
    <message>
        <source>Start Calibration</source>
        <translation>校正開始</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Clear calibration data for this channel</source>
        <translation>このペダルの校正データを消去します</translation>
    </message>
    <message>
        <source>Filter strength: 0 = fastest response, 6 = smoothest</source>
        <translation>フィルター強度：0 = 応答が最速、6 = 最も滑らか</translation>
    </message>
    <message>
        <source>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</source>
        <translation>この列のデッドゾーン、フィルター、カーブをデバイスに書き込みます。他の列の未保存の変更は送信されません。</translation>
    </message>
    <message>
        <source>SAVED</source>
        <translation>保存済み</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Linear — linear pedal response</source>
        <translation>リニア — ペダル操作に比例した応答</translation>
    </message>
    <message>
        <source>S-Curve — more sensitivity in the middle</source>
        <translation>S字カーブ — 中間域の感度が高い</translation>
    </message>
    <message>
        <source>Early — more sensitivity at the start</source>
        <translation>前半型 — 踏み始めの感度が高い</translation>
    </message>
    <message>
        <source>Late — more sensitivity at the end</source>
        <translation>後半型 — 踏み込み終盤の感度が高い</translation>
    </message>
    <message>
        <source>Custom — drag points on the chart</source>
        <translation>カスタム — グラフ上の点をドラッグして調整</translation>
    </message>
    <message>
        <source>Calibrating... (move pedal full range)  %1 s</source>
        <translation>校正中…（ペダルを全行程動かしてください）  %1 秒</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>スロットル</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>ブレーキ</translation>
    </message>
    <message>
        <source>Clutch</source>
        <translation>クラッチ</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Device connection status</source>
        <translation>デバイスの接続状態</translation>
    </message>
    <message>
        <source>Language, theme, and default paths. (Theme remains a placeholder in this version.)</source>
        <translation>言語、テーマ、既定のパス。（このバージョンではテーマは仮設定です。）</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Light (placeholder)</source>
        <translation>ライト（仮）</translation>
    </message>
    <message>
        <source>Quilbex Pedals profile (*.json);;All files (*)</source>
        <translation>Quilbex Pedals プロファイル (*.json);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Profile has unsaved changes in the editor.</source>
        <translation>編集中のプロファイルに未保存の変更があります。</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>プロファイルの保存</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>新規プロファイル</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>プロファイル名：</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>プロファイルの読み込み</translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation>読み込みに失敗しました</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>プロファイルの削除</translation>
    </message>
    <message>
        <source>At least one profile must remain.</source>
        <translation>プロファイルを少なくとも 1 つ残す必要があります。</translation>
    </message>
    <message>
        <source>Permanently delete profile &quot;%1&quot;?</source>
        <translation>プロファイル「%1」を完全に削除しますか？</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>Rename profile</source>
        <translation>プロファイル名の変更</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>新しい名前：</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>名前の変更に失敗しました</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>プロファイルのインポート</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>プロファイルのエクスポート</translation>
    </message>
    <message>
        <source>Cannot overwrite target file.</source>
        <translation>保存先のファイルを上書きできません。</translation>
    </message>
    <message>
        <source>Export failed.</source>
        <translation>エクスポートに失敗しました。</translation>
    </message>
    <message>
        <source>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</source>
        <translation>ファームウェアファイルを選択し、下のバージョン情報を確認してから更新を開始してください。ファイル名に 2.0.7 のようなバージョンが含まれている場合は、比較しやすいようにここに表示します。</translation>
    </message>
    <message>
        <source>Current firmware:</source>
        <translation>現在のファームウェア：</translation>
    </message>
    <message>
        <source>Selected file:</source>
        <translation>選択したファイル：</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>ファイルのバージョン：</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態：</translation>
    </message>
    <message>
        <source>Update progress will appear here.</source>
        <translation>更新の進行状況がここに表示されます。</translation>
    </message>
    <message>
        <source>Choose firmware file</source>
        <translation>ファームウェアファイルを選択</translation>
    </message>
    <message>
        <source>Start update</source>
        <translation>更新開始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Choose a firmware file to see how it compares to your pedals.</source>
        <translation>ファームウェアファイルを選択すると、ペダルのファームウェアと比較できます。</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>選択したファイル：%1</translation>
    </message>
    <message>
        <source>Firmware files (*.bin);;All files (*.*)</source>
        <translation>ファームウェアファイル (*.bin);;すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Please choose a firmware file (.bin) first.</source>
        <translation>先にファームウェアファイル（.bin）を選択してください。</translation>
    </message>
    <message>
        <source>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</source>
        <translation>ファームウェアの更新を開始します。

更新が完了するまで、USB ケーブルを接続したまま、このアプリケーションを閉じないでください。

続行しますか？</translation>
    </message>
    <message>
        <source>Starting update…</source>
        <translation>更新を開始しています…</translation>
    </message>
    <message>
        <source>Cancel requested. The update will stop as soon as the current step is safe to end.</source>
        <translation>キャンセルを要求しました。現在の処理を安全に終了でき次第、更新を停止します。</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>更新完了</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.

Current firmware version: %1</source>
        <translation>ペダルの更新が完了しました。

現在のファームウェアバージョン：%1</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.</source>
        <translation>ペダルの更新が完了しました。</translation>
    </message>
    <message>
        <source>Update could not be completed</source>
        <translation>更新を完了できませんでした</translation>
    </message>
    <message>
        <source>Not an executable file name: &quot;%1&quot;</source>
        <translation>実行ファイル名として正しくありません：「%1」</translation>
    </message>
    <message>
        <source>The pedals are not connected.</source>
        <translation>ペダルが接続されていません。</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>ゲーム…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>名前の変更…</translation>
    </message>
    <message>
        <source>%1 ended, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 が終了しましたが、編集中のプロファイルに未保存の変更があるため、プロファイルを切り替えませんでした。</translation>
    </message>
    <message>
        <source>%1 started, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 が起動しましたが、編集中のプロファイルに未保存の変更があるため、プロファイルを切り替えませんでした。</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold the settings from before the game.</source>
        <translation>%1 が終了しました：ペダルはすでにゲーム開始前の設定になっています。</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before the game were restored.</source>
        <translation>%1 が終了しました：ゲーム開始前の設定に戻しました。</translation>
    </message>
    <message>
        <source>These games switch the pedals to this profile when they start:</source>
        <translation>次のゲームが起動すると、ペダルがこのプロファイルに切り替わります：</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Switch profiles when a game starts</source>
        <translation>ゲームの起動時にプロファイルを切り替える</translation>
    </message>
    <message>
        <source>Return to the previous profile when the game ends</source>
        <translation>ゲームの終了時に元のプロファイルに戻す</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>通常のファイルではありません：%1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>ファイルが大きすぎます：%1</translation>
    </message>
    <message>
        <source>The configuration history %1 is not a regular file.</source>
        <translation>設定履歴 %1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The configuration history %1 is larger than 1 MiB and was not read.</source>
        <translation>設定履歴 %1 は 1 MiB を超えているため、読み込みませんでした。</translation>
    </message>
    <message>
        <source>Cannot read the configuration history %1: %2</source>
        <translation>設定履歴 %1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>The configuration history %1 is damaged and was not read.</source>
        <translation>設定履歴 %1 は破損しているため、読み込みませんでした。</translation>
    </message>
    <message>
        <source>The configuration history is empty.</source>
        <translation>設定履歴は空です。</translation>
    </message>
    <message>
        <source>The configuration history has no entry %1.</source>
        <translation>設定履歴にエントリ %1 はありません。</translation>
    </message>
    <message>
        <source>Cannot write the configuration history %1: %2</source>
        <translation>設定履歴 %1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>save pedal</source>
        <translation>ペダルの保存</translation>
    </message>
    <message>
        <source>write configuration</source>
        <translation>設定の書き込み</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>calibration reset</source>
        <translation>校正のリセット</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>プロファイルの適用</translation>
    </message>
    <message>
        <source>firmware update</source>
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>game switch</source>
        <translation>ゲーム連動切り替え</translation>
    </message>
    <message>
        <source>The pedals&apos; settings could not be read, so nothing will be written to them. Trying again every few seconds; if this stays, reconnect or re-plug the pedals.</source>
        <translation>ペダルの設定を読み取れなかったため、ペダルには何も書き込みません。数秒ごとに再試行します。この状態が続く場合は、ペダルを再接続するか、抜き差ししてください。</translation>
    </message>
    <message>
        <source>A firmware update is running.</source>
        <translation>ファームウェアの更新を実行中です。</translation>
    </message>
    <message>
        <source>The pedals are restarting to store the last change. Wait until they are back.</source>
        <translation>最後の変更を保存するため、ペダルが再起動しています。ペダルが再接続されるまでお待ちください。</translation>
    </message>
    <message>
        <source>The pedals did not take the settings. The changes are still marked unsaved; try again, or reconnect the pedals if it keeps failing.</source>
        <translation>ペダルが設定を受け付けませんでした。変更は未保存のままです。もう一度お試しください。失敗が続く場合は、ペダルを再接続してください。</translation>
    </message>
    <message>
        <source>That is not a regular file. Please choose a firmware file (.bin).</source>
        <translation>通常のファイルではありません。ファームウェアファイル（.bin）を選択してください。</translation>
    </message>
    <message>
        <source>Nothing kept yet. Before every write to the pedals, what they held is kept here.</source>
        <translation>まだ何も保存されていません。ペダルに書き込むたびに、書き込む前の設定がここに保存されます。</translation>
    </message>
    <message>
        <source>Restore configuration</source>
        <translation>設定の復元</translation>
    </message>
    <message>
        <source>Write the configuration the pedals held on %1 (before: %2) back to them? What they hold now is kept in the history first.</source>
        <translation>%1 時点のペダルの設定（「%2」の前に保存）をペダルに書き戻しますか？現在の設定は、先に履歴に保存されます。</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>設定履歴</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Kept before</source>
        <translation>保存時の操作</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>復元…</translation>
    </message>
    <message>
        <source>Not written to the pedals</source>
        <translation>ペダルに書き込まれませんでした</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>トレース</translation>
    </message>
    <message>
        <source>%1: the profile file %2 could not be loaded: %3</source>
        <translation>%1：プロファイルファイル %2 を読み込めませんでした：%3</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; will be applied when the pedals are ready.</source>
        <translation>%1 が起動しました：ペダルの準備ができしだい、プロファイル「%2」を適用します。</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 が終了しました：ペダルはすでにプロファイル「%2」の設定になっています。</translation>
    </message>
    <message>
        <source>%1 started: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 が起動しました：ペダルはすでにプロファイル「%2」の設定になっています。</translation>
    </message>
    <message>
        <source>%1: the profile could not be written; the pedals keep their current settings.</source>
        <translation>%1：プロファイルをペダルに書き込めませんでした。ペダルの現在の設定は変更されていません。</translation>
    </message>
    <message>
        <source>%1 ended: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 が終了しました：プロファイル「%2」をペダルに適用しました。</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 が起動しました：プロファイル「%2」をペダルに適用しました。</translation>
    </message>
    <message>
        <source>Games for profile &quot;%1&quot;</source>
        <translation>プロファイル「%1」のゲーム</translation>
    </message>
    <message>
        <source>Type an executable name or pick a running program</source>
        <translation>実行ファイル名を入力するか、実行中のプログラムを選択</translation>
    </message>
    <message>
        <source>%1 was bound to profile &quot;%2&quot;; it now switches the pedals to this profile.</source>
        <translation>%1 はプロファイル「%2」に割り当てられていましたが、今後はペダルをこのプロファイルに切り替えます。</translation>
    </message>
    <message>
        <source>Save them to the profile &quot;%1&quot; they were made on, discard them, or cancel.</source>
        <translation>変更を行ったプロファイル「%1」に保存するか、変更を破棄するか、キャンセルしてください。</translation>
    </message>
    <message>
        <source>Save them as a new profile, discard them, or cancel.</source>
        <translation>新しいプロファイルとして保存するか、変更を破棄するか、キャンセルしてください。</translation>
    </message>
    <message>
        <source>Last brake: peak %1 %, %2 s</source>
        <translation>前回のブレーキ：ピーク %1%、%2 秒</translation>
    </message>
    <message>
        <source>The output of the three pedals over the last 10 seconds, newest on the right. The last brake application is held as a dashed line from the left edge.</source>
        <translation>3 つのペダルの直近 10 秒間の出力です（右端が最新）。前回のブレーキ操作は、左端から破線で表示されたまま残ります。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>The documents folder cannot be created.</source>
        <translation>ドキュメントフォルダーを作成できません。</translation>
    </message>
    <message>
        <source>Trace saved to %1</source>
        <translation>トレースを %1 に保存しました</translation>
    </message>
    <message>
        <source>The trace cannot be written to %1.

%2</source>
        <translation>トレースを %1 に書き込めません。

%2</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>%1 に記録中</translation>
    </message>
</context>
</TS>
