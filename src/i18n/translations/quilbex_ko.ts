<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation>잘못된 프로필 파일입니다. Quilbex Pedals 프로필이 아닙니다.</translation>
    </message>
    <message>
        <source>That file could not be found. Please check the path and try again.</source>
        <translation>파일을 찾을 수 없습니다. 경로를 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Please choose a firmware file with the .bin extension.</source>
        <translation>확장자가 .bin인 펌웨어 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</source>
        <translation>파일을 열 수 없습니다. 다른 프로그램에서 사용 중이거나 읽기 권한이 없을 수 있습니다.</translation>
    </message>
    <message>
        <source>That firmware file appears to be empty. Please export or download it again.</source>
        <translation>펌웨어 파일이 비어 있는 것 같습니다. 다시 내보내거나 다운로드하세요.</translation>
    </message>
    <message>
        <source>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</source>
        <translation>이 펌웨어 파일은 페달에 설치하기에는 너무 큽니다(%1 KB). 지원되는 최대 크기는 %2 KB입니다.</translation>
    </message>
    <message>
        <source>We couldn&apos;t read a version from the file name.</source>
        <translation>파일 이름에서 버전을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Connect your pedals to see the current firmware version.</source>
        <translation>현재 펌웨어 버전을 확인하려면 페달을 연결하세요.</translation>
    </message>
    <message>
        <source>A newer firmware version is available in this file.</source>
        <translation>이 파일에 더 새로운 펌웨어 버전이 들어 있습니다.</translation>
    </message>
    <message>
        <source>This file looks older than the firmware on your pedals.</source>
        <translation>이 파일은 페달의 펌웨어보다 이전 버전으로 보입니다.</translation>
    </message>
    <message>
        <source>This file matches the firmware already on your pedals.</source>
        <translation>이 파일은 페달에 이미 설치된 펌웨어와 같은 버전입니다.</translation>
    </message>
    <message>
        <source>Starting update using: %1</source>
        <translation>다음 파일로 업데이트를 시작합니다: %1</translation>
    </message>
    <message>
        <source>Something went wrong inside the application. Please restart Quilbex Control and try again.</source>
        <translation>애플리케이션 내부에서 문제가 발생했습니다. Quilbex Control을 다시 시작한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>We couldn&apos;t find your pedals. Please connect them with USB and try again.</source>
        <translation>페달을 찾을 수 없습니다. USB로 연결한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Your pedals are already in update mode. Continuing with the transfer…</source>
        <translation>페달이 이미 업데이트 모드입니다. 전송을 계속합니다…</translation>
    </message>
    <message>
        <source>Switching your pedals to update mode…</source>
        <translation>페달을 업데이트 모드로 전환하는 중…</translation>
    </message>
    <message>
        <source>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</source>
        <translation>업데이트를 시작할 수 없습니다. USB 케이블을 연결한 상태로 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</source>
        <translation>업데이트 모드의 페달에 연결할 수 없습니다. USB 케이블을 뽑았다가 다시 연결해 보세요.</translation>
    </message>
    <message>
        <source>Firmware installed. Waiting for your pedals to restart…</source>
        <translation>펌웨어를 설치했습니다. 페달이 다시 시작되기를 기다리는 중…</translation>
    </message>
    <message>
        <source>Your pedals are connected again.</source>
        <translation>페달이 다시 연결되었습니다.</translation>
    </message>
    <message>
        <source>Waiting for your pedals to appear in update mode…</source>
        <translation>페달이 업데이트 모드로 인식되기를 기다리는 중…</translation>
    </message>
    <message>
        <source>Update canceled while waiting for update mode.</source>
        <translation>업데이트 모드 전환을 기다리는 중에 업데이트가 취소되었습니다.</translation>
    </message>
    <message>
        <source>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</source>
        <translation>페달이 제시간에 업데이트 모드로 전환되지 않았습니다. USB 케이블을 뽑았다가 다시 꽂은 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Preparing the update (%1 KB)…</source>
        <translation>업데이트 준비 중(%1 KB)…</translation>
    </message>
    <message>
        <source>Your pedals couldn&apos;t accept this firmware file: %1</source>
        <translation>페달이 이 펌웨어 파일을 받아들이지 못했습니다: %1</translation>
    </message>
    <message>
        <source>The update stopped unexpectedly right after it started. Please try again.</source>
        <translation>업데이트가 시작 직후 예기치 않게 중단되었습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Installing firmware…</source>
        <translation>펌웨어 설치 중…</translation>
    </message>
    <message>
        <source>Update canceled while installing firmware.</source>
        <translation>펌웨어 설치 중에 업데이트가 취소되었습니다.</translation>
    </message>
    <message>
        <source>The update paused too long without a reply from your pedals. %1</source>
        <translation>페달의 응답이 없어 업데이트가 너무 오래 멈춰 있었습니다. %1</translation>
    </message>
    <message>
        <source>Your pedals reported a problem during the update: %1</source>
        <translation>업데이트 중 페달에서 문제를 보고했습니다: %1</translation>
    </message>
    <message>
        <source>The update lost sync with your pedals. Please try again from the beginning.</source>
        <translation>업데이트 중 페달과의 동기화가 끊어졌습니다. 처음부터 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The device didn&apos;t confirm the update finished cleanly. %1</source>
        <translation>장치에서 업데이트가 정상적으로 완료되었음을 확인하지 못했습니다. %1</translation>
    </message>
    <message>
        <source>Installing… %1% complete</source>
        <translation>설치 중… %1% 완료</translation>
    </message>
    <message>
        <source>Looking for your pedals again after the restart…</source>
        <translation>재시작 후 페달을 다시 찾는 중…</translation>
    </message>
    <message>
        <source>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</source>
        <translation>펌웨어는 설치되었지만 제시간에 페달에 다시 연결하지 못했습니다.

USB 케이블을 뽑았다가 다시 꽂은 후, 필요하면 이 페이지를 다시 여세요.</translation>
    </message>
    <message>
        <source>Cannot create profiles directory: %1</source>
        <translation>프로필 폴더를 만들 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Cannot open file: %1</source>
        <translation>파일을 열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Cannot write: %1</source>
        <translation>쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>쓰기 실패: %1</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>파일이 존재하지 않습니다</translation>
    </message>
    <message>
        <source>Cannot delete: %1</source>
        <translation>삭제할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Name is empty</source>
        <translation>이름이 비어 있습니다</translation>
    </message>
    <message>
        <source>Name contains invalid characters</source>
        <translation>이름에 사용할 수 없는 문자가 있습니다</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>VID / PID</source>
        <translation>VID / PID</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</source>
        <translation>페달이 감지되었지만 현재 사용자에게 접근 권한이 없습니다(권한 거부). Quilbex Control과 함께 제공되는 udev 규칙을 설치한 후(README의 &quot;Linux device permissions&quot; 항목 참조) 페달을 뽑았다가 다시 연결하세요.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <source>Quilbex Pedals</source>
        <translation>Quilbex Pedals</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>준비됨</translation>
    </message>
    <message>
        <source>Quilbex Control</source>
        <translation>Quilbex Control</translation>
    </message>
    <message>
        <source>Pedals</source>
        <translation>페달</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <source>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</source>
        <translation>펌웨어 업데이트가 진행 중입니다.

지금 이 페이지를 벗어나면 진행 상황을 확인하거나 안전하게 취소하기 어려울 수 있습니다.

업데이트 페이지에 머무르시겠습니까?</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <translation>페이지: %1</translation>
    </message>
    <message>
        <source>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</source>
        <translation>펌웨어 업데이트가 아직 진행 중입니다.

지금 Quilbex Control을 닫으면 업데이트가 중단되어 페달이 불완전한 상태로 남을 수 있습니다.

정말 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Not calibrated</source>
        <translation>캘리브레이션 안 됨</translation>
    </message>
    <message>
        <source>Calibration completed</source>
        <translation>캘리브레이션 완료</translation>
    </message>
    <message>
        <source>Calibration failed — press pedal fully</source>
        <translation>캘리브레이션 실패 — 페달을 끝까지 밟으세요</translation>
    </message>
    <message>
        <source>Raw ADC</source>
        <translation>원시 ADC</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>Deadzone top</source>
        <translation>상단 데드존</translation>
    </message>
    <message>
        <source>Deadzone bottom</source>
        <translation>하단 데드존</translation>
    </message>
    <message>
        <source>Filter / smooth</source>
        <translation>필터 / 스무딩</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>빠름</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>부드러움</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>커브</translation>
    </message>
    <message>
        <source>Toggle calibration mode (auto-stops in 15 s).
Press the full pedal travel before stopping.</source>
        <translation>캘리브레이션 모드를 켜거나 끕니다(15초 후 자동 종료).
종료하기 전에 페달을 끝까지 밟으세요.</translation>
    </message>
    <message>
        <source>Stop Calibration</source>
        <translation>캘리브레이션 중지</translation>
    </message>
    <message>
        <source>Start Calibration</source>
        <translation>캘리브레이션 시작</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Clear calibration data for this channel</source>
        <translation>이 페달의 캘리브레이션 데이터를 지웁니다</translation>
    </message>
    <message>
        <source>Filter strength: 0 = fastest response, 6 = smoothest</source>
        <translation>필터 강도: 0 = 가장 빠른 응답, 6 = 가장 부드러움</translation>
    </message>
    <message>
        <source>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</source>
        <translation>이 열의 데드존, 필터, 커브 설정을 장치에 저장합니다. 다른 열의 저장하지 않은 변경 사항은 전송되지 않습니다.</translation>
    </message>
    <message>
        <source>SAVED</source>
        <translation>저장됨</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Linear — linear pedal response</source>
        <translation>선형 — 입력에 비례하는 페달 응답</translation>
    </message>
    <message>
        <source>S-Curve — more sensitivity in the middle</source>
        <translation>S-커브 — 중간 구간의 감도 증가</translation>
    </message>
    <message>
        <source>Early — more sensitivity at the start</source>
        <translation>초반형 — 페달 초반 구간의 감도 증가</translation>
    </message>
    <message>
        <source>Late — more sensitivity at the end</source>
        <translation>후반형 — 페달 후반 구간의 감도 증가</translation>
    </message>
    <message>
        <source>Custom — drag points on the chart</source>
        <translation>사용자 지정 — 그래프의 점을 드래그하세요</translation>
    </message>
    <message>
        <source>Calibrating... (move pedal full range)  %1 s</source>
        <translation>캘리브레이션 중… (페달을 끝까지 밟았다 떼세요)  %1초</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>스로틀</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>브레이크</translation>
    </message>
    <message>
        <source>Clutch</source>
        <translation>클러치</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>불러오기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Device connection status</source>
        <translation>장치 연결 상태</translation>
    </message>
    <message>
        <source>Language, theme, and default paths. (Theme remains a placeholder in this version.)</source>
        <translation>언어, 테마, 기본 경로를 설정합니다. (이 버전에서 테마는 아직 준비 중입니다.)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Light (placeholder)</source>
        <translation>라이트 (준비 중)</translation>
    </message>
    <message>
        <source>Quilbex Pedals profile (*.json);;All files (*)</source>
        <translation>Quilbex Pedals 프로필 (*.json);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>Profile has unsaved changes in the editor.</source>
        <translation>편집기에 저장하지 않은 프로필 변경 사항이 있습니다.</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>프로필 저장</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>저장 실패</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>새 프로필</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>프로필 이름:</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>프로필 불러오기</translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation>불러오기 실패</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>프로필 삭제</translation>
    </message>
    <message>
        <source>At least one profile must remain.</source>
        <translation>프로필은 하나 이상 남아 있어야 합니다.</translation>
    </message>
    <message>
        <source>Permanently delete profile &quot;%1&quot;?</source>
        <translation>&quot;%1&quot; 프로필을 영구적으로 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>삭제 실패</translation>
    </message>
    <message>
        <source>Rename profile</source>
        <translation>프로필 이름 바꾸기</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>새 이름:</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>이름 바꾸기 실패</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>프로필 가져오기</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>프로필 내보내기</translation>
    </message>
    <message>
        <source>Cannot overwrite target file.</source>
        <translation>대상 파일을 덮어쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Export failed.</source>
        <translation>내보내기에 실패했습니다.</translation>
    </message>
    <message>
        <source>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</source>
        <translation>펌웨어 파일을 선택하고 아래의 버전 정보를 확인한 다음, 준비가 되면 업데이트를 시작하세요. 파일 이름에 2.0.7과 같은 버전이 포함되어 있으면 쉽게 비교할 수 있도록 여기에 표시됩니다.</translation>
    </message>
    <message>
        <source>Current firmware:</source>
        <translation>현재 펌웨어:</translation>
    </message>
    <message>
        <source>Selected file:</source>
        <translation>선택한 파일:</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>파일 버전:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>상태:</translation>
    </message>
    <message>
        <source>Update progress will appear here.</source>
        <translation>업데이트 진행 상황이 여기에 표시됩니다.</translation>
    </message>
    <message>
        <source>Choose firmware file</source>
        <translation>펌웨어 파일 선택</translation>
    </message>
    <message>
        <source>Start update</source>
        <translation>업데이트 시작</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(없음)</translation>
    </message>
    <message>
        <source>Choose a firmware file to see how it compares to your pedals.</source>
        <translation>펌웨어 파일을 선택하면 페달의 펌웨어와 비교해 보여 줍니다.</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>선택한 파일: %1</translation>
    </message>
    <message>
        <source>Firmware files (*.bin);;All files (*.*)</source>
        <translation>펌웨어 파일 (*.bin);;모든 파일 (*.*)</translation>
    </message>
    <message>
        <source>Please choose a firmware file (.bin) first.</source>
        <translation>먼저 펌웨어 파일(.bin)을 선택하세요.</translation>
    </message>
    <message>
        <source>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</source>
        <translation>펌웨어 업데이트를 시작합니다.

업데이트가 끝날 때까지 USB 케이블을 분리하지 말고 이 애플리케이션을 닫지 마세요.

계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Starting update…</source>
        <translation>업데이트 시작 중…</translation>
    </message>
    <message>
        <source>Cancel requested. The update will stop as soon as the current step is safe to end.</source>
        <translation>취소를 요청했습니다. 현재 단계를 안전하게 마칠 수 있는 시점에 업데이트가 중지됩니다.</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>업데이트 완료</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.

Current firmware version: %1</source>
        <translation>페달이 성공적으로 업데이트되었습니다.

현재 펌웨어 버전: %1</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.</source>
        <translation>페달이 성공적으로 업데이트되었습니다.</translation>
    </message>
    <message>
        <source>Update could not be completed</source>
        <translation>업데이트를 완료하지 못했습니다</translation>
    </message>
    <message>
        <source>Not an executable file name: &quot;%1&quot;</source>
        <translation>올바른 실행 파일 이름이 아닙니다: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The pedals are not connected.</source>
        <translation>페달이 연결되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>게임…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>이름 바꾸기…</translation>
    </message>
    <message>
        <source>%1 ended, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 종료: 편집기에 저장하지 않은 변경 사항이 있어 프로필을 전환하지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 started, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 시작: 편집기에 저장하지 않은 변경 사항이 있어 프로필을 전환하지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold the settings from before the game.</source>
        <translation>%1 종료: 페달이 이미 게임 시작 전 설정 상태입니다.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before the game were restored.</source>
        <translation>%1 종료: 게임 시작 전 설정으로 복원했습니다.</translation>
    </message>
    <message>
        <source>These games switch the pedals to this profile when they start:</source>
        <translation>다음 게임이 시작되면 페달이 이 프로필로 전환됩니다:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Switch profiles when a game starts</source>
        <translation>게임 시작 시 프로필 전환</translation>
    </message>
    <message>
        <source>Return to the previous profile when the game ends</source>
        <translation>게임 종료 시 이전 프로필로 복귀</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>일반 파일이 아닙니다: %1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>파일이 너무 큽니다: %1</translation>
    </message>
    <message>
        <source>The configuration history %1 is not a regular file.</source>
        <translation>설정 내역(%1)이 일반 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>The configuration history %1 is larger than 1 MiB and was not read.</source>
        <translation>설정 내역(%1)이 1 MiB보다 커서 읽지 않았습니다.</translation>
    </message>
    <message>
        <source>Cannot read the configuration history %1: %2</source>
        <translation>설정 내역(%1)을 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The configuration history %1 is damaged and was not read.</source>
        <translation>설정 내역(%1)이 손상되어 읽지 않았습니다.</translation>
    </message>
    <message>
        <source>The configuration history is empty.</source>
        <translation>설정 내역이 비어 있습니다.</translation>
    </message>
    <message>
        <source>The configuration history has no entry %1.</source>
        <translation>설정 내역에 %1 항목이 없습니다.</translation>
    </message>
    <message>
        <source>Cannot write the configuration history %1: %2</source>
        <translation>설정 내역(%1)에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>save pedal</source>
        <translation>페달 저장</translation>
    </message>
    <message>
        <source>write configuration</source>
        <translation>설정 쓰기</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>캘리브레이션</translation>
    </message>
    <message>
        <source>calibration reset</source>
        <translation>캘리브레이션 초기화</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>프로필 적용</translation>
    </message>
    <message>
        <source>firmware update</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <source>game switch</source>
        <translation>게임 연동 전환</translation>
    </message>
    <message>
        <source>The pedals&apos; settings could not be read, so nothing will be written to them. Trying again every few seconds; if this stays, reconnect or re-plug the pedals.</source>
        <translation>페달 설정을 읽을 수 없어 페달에 아무것도 쓰지 않습니다. 몇 초마다 다시 시도하며, 문제가 계속되면 페달을 다시 연결하거나 뽑았다가 다시 꽂으세요.</translation>
    </message>
    <message>
        <source>A firmware update is running.</source>
        <translation>펌웨어 업데이트가 진행 중입니다.</translation>
    </message>
    <message>
        <source>The pedals are restarting to store the last change. Wait until they are back.</source>
        <translation>마지막 변경 사항을 저장하기 위해 페달이 다시 시작되고 있습니다. 페달이 다시 연결될 때까지 기다리세요.</translation>
    </message>
    <message>
        <source>The pedals did not take the settings. The changes are still marked unsaved; try again, or reconnect the pedals if it keeps failing.</source>
        <translation>페달이 설정을 받아들이지 않았습니다. 변경 사항은 여전히 저장되지 않은 상태로 표시됩니다. 다시 시도하고, 계속 실패하면 페달을 다시 연결하세요.</translation>
    </message>
    <message>
        <source>That is not a regular file. Please choose a firmware file (.bin).</source>
        <translation>일반 파일이 아닙니다. 펌웨어 파일(.bin)을 선택하세요.</translation>
    </message>
    <message>
        <source>Nothing kept yet. Before every write to the pedals, what they held is kept here.</source>
        <translation>아직 보관된 내역이 없습니다. 페달에 쓰기 전마다 기존 설정이 여기에 보관됩니다.</translation>
    </message>
    <message>
        <source>Restore configuration</source>
        <translation>설정 복원</translation>
    </message>
    <message>
        <source>Write the configuration the pedals held on %1 (before: %2) back to them? What they hold now is kept in the history first.</source>
        <translation>%1 시점의 페달 설정(&quot;%2&quot; 전에 보관됨)을 페달에 다시 쓰시겠습니까? 현재 설정은 먼저 내역에 보관됩니다.</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>설정 내역</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Kept before</source>
        <translation>보관 사유</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>복원…</translation>
    </message>
    <message>
        <source>Not written to the pedals</source>
        <translation>페달에 쓰지 못함</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>트레이스</translation>
    </message>
    <message>
        <source>%1: the profile file %2 could not be loaded: %3</source>
        <translation>%1: 프로필 파일(%2)을 불러올 수 없습니다: %3</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; will be applied when the pedals are ready.</source>
        <translation>%1 시작: 페달이 준비되면 &quot;%2&quot; 프로필을 적용합니다.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 종료: 페달에 이미 &quot;%2&quot; 프로필이 적용되어 있습니다.</translation>
    </message>
    <message>
        <source>%1 started: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 시작: 페달에 이미 &quot;%2&quot; 프로필이 적용되어 있습니다.</translation>
    </message>
    <message>
        <source>%1: the profile could not be written; the pedals keep their current settings.</source>
        <translation>%1: 프로필을 페달에 쓰지 못했습니다. 페달은 현재 설정을 유지합니다.</translation>
    </message>
    <message>
        <source>%1 ended: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 종료: &quot;%2&quot; 프로필을 페달에 적용했습니다.</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 시작: &quot;%2&quot; 프로필을 페달에 적용했습니다.</translation>
    </message>
    <message>
        <source>Games for profile &quot;%1&quot;</source>
        <translation>&quot;%1&quot; 프로필의 게임</translation>
    </message>
    <message>
        <source>Type an executable name or pick a running program</source>
        <translation>실행 파일 이름을 입력하거나 실행 중인 프로그램을 선택하세요</translation>
    </message>
    <message>
        <source>%1 was bound to profile &quot;%2&quot;; it now switches the pedals to this profile.</source>
        <translation>%1의 연결을 &quot;%2&quot; 프로필에서 이 프로필로 옮겼습니다. 이제 페달이 이 프로필로 전환됩니다.</translation>
    </message>
    <message>
        <source>Save them to the profile &quot;%1&quot; they were made on, discard them, or cancel.</source>
        <translation>변경 사항을 작업한 프로필 &quot;%1&quot;에 저장하거나, 버리거나, 취소하세요.</translation>
    </message>
    <message>
        <source>Save them as a new profile, discard them, or cancel.</source>
        <translation>변경 사항을 새 프로필로 저장하거나, 버리거나, 취소하세요.</translation>
    </message>
    <message>
        <source>Last brake: peak %1 %, %2 s</source>
        <translation>마지막 브레이크: 최대 %1%, %2초</translation>
    </message>
    <message>
        <source>The output of the three pedals over the last 10 seconds, newest on the right. The last brake application is held as a dashed line from the left edge.</source>
        <translation>최근 10초 동안 세 페달의 출력이며, 가장 최근 값이 오른쪽에 표시됩니다. 마지막 브레이크 입력은 왼쪽 가장자리부터 점선으로 유지됩니다.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>The documents folder cannot be created.</source>
        <translation>문서 폴더를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Trace saved to %1</source>
        <translation>트레이스를 %1에 저장했습니다</translation>
    </message>
    <message>
        <source>The trace cannot be written to %1.

%2</source>
        <translation>트레이스를 %1에 쓸 수 없습니다.

%2</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>%1에 기록 중</translation>
    </message>
</context>
</TS>
