<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation>Недопустимый файл профиля. Это не профиль Quilbex Pedals.</translation>
    </message>
    <message>
        <source>That file could not be found. Please check the path and try again.</source>
        <translation>Файл не найден. Проверьте путь и повторите попытку.</translation>
    </message>
    <message>
        <source>Please choose a firmware file with the .bin extension.</source>
        <translation>Выберите файл прошивки с расширением .bin.</translation>
    </message>
    <message>
        <source>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</source>
        <translation>Не удалось открыть файл. Возможно, он занят другой программой или у вас нет прав на его чтение.</translation>
    </message>
    <message>
        <source>That firmware file appears to be empty. Please export or download it again.</source>
        <translation>Файл прошивки, похоже, пуст. Экспортируйте или скачайте его заново.</translation>
    </message>
    <message>
        <source>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</source>
        <translation>Файл прошивки слишком велик для ваших педалей (%1 КБ). Максимальный поддерживаемый размер — %2 КБ.</translation>
    </message>
    <message>
        <source>We couldn&apos;t read a version from the file name.</source>
        <translation>Не удалось определить версию по имени файла.</translation>
    </message>
    <message>
        <source>Connect your pedals to see the current firmware version.</source>
        <translation>Подключите педали, чтобы увидеть текущую версию прошивки.</translation>
    </message>
    <message>
        <source>A newer firmware version is available in this file.</source>
        <translation>В этом файле более новая версия прошивки.</translation>
    </message>
    <message>
        <source>This file looks older than the firmware on your pedals.</source>
        <translation>Похоже, прошивка в этом файле старее, чем на ваших педалях.</translation>
    </message>
    <message>
        <source>This file matches the firmware already on your pedals.</source>
        <translation>Этот файл совпадает с прошивкой, уже установленной на педалях.</translation>
    </message>
    <message>
        <source>Starting update using: %1</source>
        <translation>Запуск обновления из файла: %1</translation>
    </message>
    <message>
        <source>Something went wrong inside the application. Please restart Quilbex Control and try again.</source>
        <translation>Внутренняя ошибка приложения. Перезапустите Quilbex Control и повторите попытку.</translation>
    </message>
    <message>
        <source>We couldn&apos;t find your pedals. Please connect them with USB and try again.</source>
        <translation>Педали не найдены. Подключите их по USB и повторите попытку.</translation>
    </message>
    <message>
        <source>Your pedals are already in update mode. Continuing with the transfer…</source>
        <translation>Педали уже в режиме обновления. Продолжаем передачу…</translation>
    </message>
    <message>
        <source>Switching your pedals to update mode…</source>
        <translation>Перевод педалей в режим обновления…</translation>
    </message>
    <message>
        <source>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</source>
        <translation>Не удалось начать обновление. Не отсоединяйте USB-кабель и повторите попытку.</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</source>
        <translation>Не удалось подключиться к педалям в режиме обновления. Попробуйте отсоединить и снова подсоединить USB-кабель.</translation>
    </message>
    <message>
        <source>Firmware installed. Waiting for your pedals to restart…</source>
        <translation>Прошивка установлена. Ожидание перезапуска педалей…</translation>
    </message>
    <message>
        <source>Your pedals are connected again.</source>
        <translation>Педали снова подключены.</translation>
    </message>
    <message>
        <source>Waiting for your pedals to appear in update mode…</source>
        <translation>Ожидание появления педалей в режиме обновления…</translation>
    </message>
    <message>
        <source>Update canceled while waiting for update mode.</source>
        <translation>Обновление отменено во время ожидания режима обновления.</translation>
    </message>
    <message>
        <source>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</source>
        <translation>Педали не перешли в режим обновления вовремя. Отсоедините USB-кабель, подсоедините его снова и повторите попытку.</translation>
    </message>
    <message>
        <source>Preparing the update (%1 KB)…</source>
        <translation>Подготовка обновления (%1 КБ)…</translation>
    </message>
    <message>
        <source>Your pedals couldn&apos;t accept this firmware file: %1</source>
        <translation>Педали не приняли этот файл прошивки: %1</translation>
    </message>
    <message>
        <source>The update stopped unexpectedly right after it started. Please try again.</source>
        <translation>Обновление неожиданно прервалось сразу после начала. Повторите попытку.</translation>
    </message>
    <message>
        <source>Installing firmware…</source>
        <translation>Установка прошивки…</translation>
    </message>
    <message>
        <source>Update canceled while installing firmware.</source>
        <translation>Обновление отменено во время установки прошивки.</translation>
    </message>
    <message>
        <source>The update paused too long without a reply from your pedals. %1</source>
        <translation>Обновление прервано: педали слишком долго не отвечали. %1</translation>
    </message>
    <message>
        <source>Your pedals reported a problem during the update: %1</source>
        <translation>Педали сообщили о проблеме во время обновления: %1</translation>
    </message>
    <message>
        <source>The update lost sync with your pedals. Please try again from the beginning.</source>
        <translation>Нарушена синхронизация с педалями во время обновления. Начните обновление заново.</translation>
    </message>
    <message>
        <source>The device didn&apos;t confirm the update finished cleanly. %1</source>
        <translation>Устройство не подтвердило успешное завершение обновления. %1</translation>
    </message>
    <message>
        <source>Installing… %1% complete</source>
        <translation>Установка… выполнено %1%</translation>
    </message>
    <message>
        <source>Looking for your pedals again after the restart…</source>
        <translation>Повторный поиск педалей после перезапуска…</translation>
    </message>
    <message>
        <source>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</source>
        <translation>Прошивка установлена, но не удалось вовремя переподключиться к педалям.

Отсоедините USB-кабель, подсоедините его снова и при необходимости откройте эту страницу ещё раз.</translation>
    </message>
    <message>
        <source>Cannot create profiles directory: %1</source>
        <translation>Не удалось создать папку профилей: %1</translation>
    </message>
    <message>
        <source>Cannot open file: %1</source>
        <translation>Не удалось открыть файл: %1</translation>
    </message>
    <message>
        <source>Cannot write: %1</source>
        <translation>Не удалось записать: %1</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>Ошибка записи: %1</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>Файл не существует</translation>
    </message>
    <message>
        <source>Cannot delete: %1</source>
        <translation>Не удалось удалить: %1</translation>
    </message>
    <message>
        <source>Name is empty</source>
        <translation>Имя не указано</translation>
    </message>
    <message>
        <source>Name contains invalid characters</source>
        <translation>Имя содержит недопустимые символы</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>VID / PID</source>
        <translation>VID / PID</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</source>
        <translation>Педали найдены, но у этого пользователя нет прав на доступ к ним (отказано в доступе). Установите правило udev из комплекта Quilbex Control (см. README, раздел «Linux device permissions»), затем отсоедините и снова подсоедините педали.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Quilbex Pedals</source>
        <translation>Quilbex Pedals</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Quilbex Control</source>
        <translation>Quilbex Control</translation>
    </message>
    <message>
        <source>Pedals</source>
        <translation>Педали</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</source>
        <translation>Идёт обновление прошивки.

Если уйти с этой страницы сейчас, будет сложнее следить за ходом обновления или безопасно отменить его.

Остаться на странице «Обновление»?</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <translation>Страница: %1</translation>
    </message>
    <message>
        <source>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</source>
        <translation>Обновление прошивки ещё не завершено.

Если закрыть Quilbex Control сейчас, обновление может прерваться, а педали — остаться в незавершённом состоянии.

Вы действительно хотите выйти?</translation>
    </message>
    <message>
        <source>Not calibrated</source>
        <translation>Нет калибровки</translation>
    </message>
    <message>
        <source>Calibration completed</source>
        <translation>Калибровка завершена</translation>
    </message>
    <message>
        <source>Calibration failed — press pedal fully</source>
        <translation>Сбой калибровки — выжмите педаль до упора</translation>
    </message>
    <message>
        <source>Raw ADC</source>
        <translation>АЦП</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Deadzone top</source>
        <translation>Мёртвая зона (верх)</translation>
    </message>
    <message>
        <source>Deadzone bottom</source>
        <translation>Мёртвая зона (низ)</translation>
    </message>
    <message>
        <source>Filter / smooth</source>
        <translation>Фильтр / сглаживание</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Плавно</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Кривая</translation>
    </message>
    <message>
        <source>Toggle calibration mode (auto-stops in 15 s).
Press the full pedal travel before stopping.</source>
        <translation>Включить или выключить режим калибровки (автоматически завершается через 15 с).
Перед остановкой выжмите педаль до упора и отпустите.</translation>
    </message>
    <message>
        <source>Stop Calibration</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start Calibration</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Clear calibration data for this channel</source>
        <translation>Сбросить данные калибровки этого канала</translation>
    </message>
    <message>
        <source>Filter strength: 0 = fastest response, 6 = smoothest</source>
        <translation>Сила фильтра: 0 — самый быстрый отклик, 6 — максимальное сглаживание</translation>
    </message>
    <message>
        <source>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</source>
        <translation>Сохранить в устройстве мёртвые зоны, фильтр и кривую этой колонки. Несохранённые изменения в других колонках не отправляются.</translation>
    </message>
    <message>
        <source>SAVED</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>СОХР.</translation>
    </message>
    <message>
        <source>Linear — linear pedal response</source>
        <translation>Линейная — линейный отклик педали</translation>
    </message>
    <message>
        <source>S-Curve — more sensitivity in the middle</source>
        <translation>S-кривая — выше чувствительность в середине хода</translation>
    </message>
    <message>
        <source>Early — more sensitivity at the start</source>
        <translation>Ранняя — выше чувствительность в начале хода</translation>
    </message>
    <message>
        <source>Late — more sensitivity at the end</source>
        <translation>Поздняя — выше чувствительность в конце хода</translation>
    </message>
    <message>
        <source>Custom — drag points on the chart</source>
        <translation>Своя — перетаскивайте точки на графике</translation>
    </message>
    <message>
        <source>Calibrating... (move pedal full range)  %1 s</source>
        <translation>Калибровка… (весь ход педали)  %1 с</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Газ</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Тормоз</translation>
    </message>
    <message>
        <source>Clutch</source>
        <translation>Сцепление</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Device connection status</source>
        <translation>Состояние подключения устройства</translation>
    </message>
    <message>
        <source>Language, theme, and default paths. (Theme remains a placeholder in this version.)</source>
        <translation>Язык, тема и пути по умолчанию. (В этой версии тему пока нельзя изменить.)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Light (placeholder)</source>
        <translation>Светлая (пока без выбора)</translation>
    </message>
    <message>
        <source>Quilbex Pedals profile (*.json);;All files (*)</source>
        <translation>Профиль Quilbex Pedals (*.json);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Profile has unsaved changes in the editor.</source>
        <translation>В редакторе есть несохранённые изменения профиля.</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Сохранить профиль</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Не удалось сохранить</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Новый профиль</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Имя профиля:</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>Загрузить профиль</translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation>Не удалось загрузить</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Удалить профиль</translation>
    </message>
    <message>
        <source>At least one profile must remain.</source>
        <translation>Должен остаться хотя бы один профиль.</translation>
    </message>
    <message>
        <source>Permanently delete profile &quot;%1&quot;?</source>
        <translation>Удалить профиль «%1» безвозвратно?</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Не удалось удалить</translation>
    </message>
    <message>
        <source>Rename profile</source>
        <translation>Переименовать профиль</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Новое имя:</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Не удалось переименовать</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Импорт профиля</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Экспорт профиля</translation>
    </message>
    <message>
        <source>Cannot overwrite target file.</source>
        <translation>Не удалось перезаписать целевой файл.</translation>
    </message>
    <message>
        <source>Export failed.</source>
        <translation>Не удалось экспортировать.</translation>
    </message>
    <message>
        <source>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</source>
        <translation>Выберите файл прошивки, проверьте сведения о версии ниже и запустите обновление, когда будете готовы. Если в имени файла указана версия, например 2.0.7, она показывается здесь для быстрого сравнения.</translation>
    </message>
    <message>
        <source>Current firmware:</source>
        <translation>Текущая прошивка:</translation>
    </message>
    <message>
        <source>Selected file:</source>
        <translation>Выбранный файл:</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>Версия файла:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Update progress will appear here.</source>
        <translation>Здесь будет отображаться ход обновления.</translation>
    </message>
    <message>
        <source>Choose firmware file</source>
        <translation>Выбрать файл прошивки</translation>
    </message>
    <message>
        <source>Start update</source>
        <translation>Начать обновление</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>Choose a firmware file to see how it compares to your pedals.</source>
        <translation>Выберите файл прошивки, чтобы сравнить его с прошивкой педалей.</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Выбран файл: %1</translation>
    </message>
    <message>
        <source>Firmware files (*.bin);;All files (*.*)</source>
        <translation>Файлы прошивки (*.bin);;Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Please choose a firmware file (.bin) first.</source>
        <translation>Сначала выберите файл прошивки (.bin).</translation>
    </message>
    <message>
        <source>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</source>
        <translation>Сейчас начнётся обновление прошивки.

Не отсоединяйте USB-кабель и не закрывайте приложение до завершения обновления.

Продолжить?</translation>
    </message>
    <message>
        <source>Starting update…</source>
        <translation>Запуск обновления…</translation>
    </message>
    <message>
        <source>Cancel requested. The update will stop as soon as the current step is safe to end.</source>
        <translation>Запрошена отмена. Обновление остановится, как только текущий шаг можно будет безопасно завершить.</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Обновление завершено</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.

Current firmware version: %1</source>
        <translation>Педали успешно обновлены.

Текущая версия прошивки: %1</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.</source>
        <translation>Педали успешно обновлены.</translation>
    </message>
    <message>
        <source>Update could not be completed</source>
        <translation>Не удалось завершить обновление</translation>
    </message>
    <message>
        <source>Not an executable file name: &quot;%1&quot;</source>
        <translation>Недопустимое имя исполняемого файла: «%1»</translation>
    </message>
    <message>
        <source>The pedals are not connected.</source>
        <translation>Педали не подключены.</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>Игры…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Переименовать…</translation>
    </message>
    <message>
        <source>%1 ended, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>Игра %1 завершена, но в редакторе есть несохранённые изменения: профиль не переключён.</translation>
    </message>
    <message>
        <source>%1 started, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>Игра %1 запущена, но в редакторе есть несохранённые изменения: профиль не переключён.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold the settings from before the game.</source>
        <translation>Игра %1 завершена: на педалях уже настройки, действовавшие до игры.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before the game were restored.</source>
        <translation>Игра %1 завершена: восстановлены настройки, действовавшие до игры.</translation>
    </message>
    <message>
        <source>These games switch the pedals to this profile when they start:</source>
        <translation>При запуске этих игр педали переключаются на этот профиль:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Switch profiles when a game starts</source>
        <translation>Переключать профиль при запуске игры</translation>
    </message>
    <message>
        <source>Return to the previous profile when the game ends</source>
        <translation>Возвращать прежний профиль после выхода из игры</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Это не обычный файл: %1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>Файл слишком велик: %1</translation>
    </message>
    <message>
        <source>The configuration history %1 is not a regular file.</source>
        <translation>История конфигураций %1 не является обычным файлом.</translation>
    </message>
    <message>
        <source>The configuration history %1 is larger than 1 MiB and was not read.</source>
        <translation>История конфигураций %1 больше 1 МиБ и не была прочитана.</translation>
    </message>
    <message>
        <source>Cannot read the configuration history %1: %2</source>
        <translation>Не удалось прочитать историю конфигураций %1: %2</translation>
    </message>
    <message>
        <source>The configuration history %1 is damaged and was not read.</source>
        <translation>История конфигураций %1 повреждена и не была прочитана.</translation>
    </message>
    <message>
        <source>The configuration history is empty.</source>
        <translation>История конфигураций пуста.</translation>
    </message>
    <message>
        <source>The configuration history has no entry %1.</source>
        <translation>В истории конфигураций нет записи %1.</translation>
    </message>
    <message>
        <source>Cannot write the configuration history %1: %2</source>
        <translation>Не удалось записать историю конфигураций %1: %2</translation>
    </message>
    <message>
        <source>save pedal</source>
        <translation>сохранение педали</translation>
    </message>
    <message>
        <source>write configuration</source>
        <translation>запись конфигурации</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>калибровка</translation>
    </message>
    <message>
        <source>calibration reset</source>
        <translation>сброс калибровки</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>восстановление</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>применение профиля</translation>
    </message>
    <message>
        <source>firmware update</source>
        <translation>обновление прошивки</translation>
    </message>
    <message>
        <source>game switch</source>
        <translation>смена профиля (игра)</translation>
    </message>
    <message>
        <source>The pedals&apos; settings could not be read, so nothing will be written to them. Trying again every few seconds; if this stays, reconnect or re-plug the pedals.</source>
        <translation>Не удалось прочитать настройки педалей, поэтому в них ничего не будет записано. Повторная попытка каждые несколько секунд; если проблема не исчезнет, переподключите педали или отсоедините и снова подсоедините их.</translation>
    </message>
    <message>
        <source>A firmware update is running.</source>
        <translation>Идёт обновление прошивки.</translation>
    </message>
    <message>
        <source>The pedals are restarting to store the last change. Wait until they are back.</source>
        <translation>Педали перезапускаются, чтобы сохранить последнее изменение. Дождитесь, пока они снова станут доступны.</translation>
    </message>
    <message>
        <source>The pedals did not take the settings. The changes are still marked unsaved; try again, or reconnect the pedals if it keeps failing.</source>
        <translation>Педали не приняли настройки. Изменения по-прежнему отмечены как несохранённые; повторите попытку или переподключите педали, если ошибка повторяется.</translation>
    </message>
    <message>
        <source>That is not a regular file. Please choose a firmware file (.bin).</source>
        <translation>Это не обычный файл. Выберите файл прошивки (.bin).</translation>
    </message>
    <message>
        <source>Nothing kept yet. Before every write to the pedals, what they held is kept here.</source>
        <translation>Пока ничего не сохранено. Перед каждой записью в педали здесь сохраняется то, что в них было.</translation>
    </message>
    <message>
        <source>Restore configuration</source>
        <translation>Восстановление конфигурации</translation>
    </message>
    <message>
        <source>Write the configuration the pedals held on %1 (before: %2) back to them? What they hold now is kept in the history first.</source>
        <translation>Записать обратно в педали конфигурацию, которая была в них %1 (сохранена перед: %2)? Текущая конфигурация сначала будет сохранена в истории.</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>История конфигураций</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Kept before</source>
        <translation>Сохранено перед</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Восстановить…</translation>
    </message>
    <message>
        <source>Not written to the pedals</source>
        <translation>Не записано в педали</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>График</translation>
    </message>
    <message>
        <source>%1: the profile file %2 could not be loaded: %3</source>
        <translation>%1: не удалось загрузить файл профиля %2: %3</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; will be applied when the pedals are ready.</source>
        <translation>Игра %1 запущена: профиль «%2» будет применён, когда педали будут готовы.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>Игра %1 завершена: на педалях уже профиль «%2».</translation>
    </message>
    <message>
        <source>%1 started: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>Игра %1 запущена: на педалях уже профиль «%2».</translation>
    </message>
    <message>
        <source>%1: the profile could not be written; the pedals keep their current settings.</source>
        <translation>%1: не удалось записать профиль, педали сохраняют текущие настройки.</translation>
    </message>
    <message>
        <source>%1 ended: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>Игра %1 завершена: к педалям применён профиль «%2».</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>Игра %1 запущена: к педалям применён профиль «%2».</translation>
    </message>
    <message>
        <source>Games for profile &quot;%1&quot;</source>
        <translation>Игры профиля «%1»</translation>
    </message>
    <message>
        <source>Type an executable name or pick a running program</source>
        <translation>Введите имя исполняемого файла или выберите запущенную программу</translation>
    </message>
    <message>
        <source>%1 was bound to profile &quot;%2&quot;; it now switches the pedals to this profile.</source>
        <translation>Привязка %1 перенесена с профиля «%2»: теперь эта игра переключает педали на этот профиль.</translation>
    </message>
    <message>
        <source>Save them to the profile &quot;%1&quot; they were made on, discard them, or cancel.</source>
        <translation>Их можно сохранить в профиль «%1», в котором они сделаны, отбросить или отменить действие.</translation>
    </message>
    <message>
        <source>Save them as a new profile, discard them, or cancel.</source>
        <translation>Их можно сохранить как новый профиль, отбросить или отменить действие.</translation>
    </message>
    <message>
        <source>Last brake: peak %1 %, %2 s</source>
        <translation>Последнее торможение: пик %1%, %2 с</translation>
    </message>
    <message>
        <source>The output of the three pedals over the last 10 seconds, newest on the right. The last brake application is held as a dashed line from the left edge.</source>
        <translation>Выход трёх педалей за последние 10 секунд, самые новые значения справа. Последнее торможение остаётся на графике пунктирной линией от левого края.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>The documents folder cannot be created.</source>
        <translation>Не удалось создать папку «Документы».</translation>
    </message>
    <message>
        <source>Trace saved to %1</source>
        <translation>Запись сохранена в %1</translation>
    </message>
    <message>
        <source>The trace cannot be written to %1.

%2</source>
        <translation>Не удалось записать данные в %1.

%2</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Идёт запись в %1</translation>
    </message>
</context>
</TS>
