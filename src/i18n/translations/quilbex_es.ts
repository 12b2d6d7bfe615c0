<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation>Archivo de perfil no válido. No es un perfil de Quilbex Pedals.</translation>
    </message>
    <message>
        <source>That file could not be found. Please check the path and try again.</source>
        <translation>No se encontró el archivo. Comprueba la ruta e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Please choose a firmware file with the .bin extension.</source>
        <translation>Elige un archivo de firmware con la extensión .bin.</translation>
    </message>
    <message>
        <source>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</source>
        <translation>No se pudo abrir el archivo. Puede que esté en uso o que no tengas permiso para leerlo.</translation>
    </message>
    <message>
        <source>That firmware file appears to be empty. Please export or download it again.</source>
        <translation>El archivo de firmware parece estar vacío. Vuelve a exportarlo o a descargarlo.</translation>
    </message>
    <message>
        <source>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</source>
        <translation>Este archivo de firmware es demasiado grande para tus pedales (%1 KB). El tamaño máximo admitido es de %2 KB.</translation>
    </message>
    <message>
        <source>We couldn&apos;t read a version from the file name.</source>
        <translation>No se pudo leer ninguna versión en el nombre del archivo.</translation>
    </message>
    <message>
        <source>Connect your pedals to see the current firmware version.</source>
        <translation>Conecta los pedales para ver la versión de firmware actual.</translation>
    </message>
    <message>
        <source>A newer firmware version is available in this file.</source>
        <translation>Este archivo contiene una versión de firmware más reciente.</translation>
    </message>
    <message>
        <source>This file looks older than the firmware on your pedals.</source>
        <translation>Este archivo parece más antiguo que el firmware de tus pedales.</translation>
    </message>
    <message>
        <source>This file matches the firmware already on your pedals.</source>
        <translation>Este archivo coincide con el firmware que ya tienen tus pedales.</translation>
    </message>
    <message>
        <source>Starting update using: %1</source>
        <translation>Iniciando la actualización con: %1</translation>
    </message>
    <message>
        <source>Something went wrong inside the application. Please restart Quilbex Control and try again.</source>
        <translation>Se produjo un error interno en la aplicación. Reinicia Quilbex Control e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>We couldn&apos;t find your pedals. Please connect them with USB and try again.</source>
        <translation>No se encontraron los pedales. Conéctalos por USB e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Your pedals are already in update mode. Continuing with the transfer…</source>
        <translation>Los pedales ya están en modo de actualización. Continuando con la transferencia…</translation>
    </message>
    <message>
        <source>Switching your pedals to update mode…</source>
        <translation>Pasando los pedales a modo de actualización…</translation>
    </message>
    <message>
        <source>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</source>
        <translation>No se pudo iniciar la actualización. Mantén el cable USB conectado e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</source>
        <translation>No se pudo conectar con los pedales en modo de actualización. Prueba a desconectar y volver a conectar el cable USB.</translation>
    </message>
    <message>
        <source>Firmware installed. Waiting for your pedals to restart…</source>
        <translation>Firmware instalado. Esperando a que los pedales se reinicien…</translation>
    </message>
    <message>
        <source>Your pedals are connected again.</source>
        <translation>Los pedales vuelven a estar conectados.</translation>
    </message>
    <message>
        <source>Waiting for your pedals to appear in update mode…</source>
        <translation>Esperando a que los pedales aparezcan en modo de actualización…</translation>
    </message>
    <message>
        <source>Update canceled while waiting for update mode.</source>
        <translation>Actualización cancelada mientras se esperaba el modo de actualización.</translation>
    </message>
    <message>
        <source>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</source>
        <translation>Los pedales no entraron en modo de actualización a tiempo. Desconecta el cable USB, vuelve a conectarlo e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Preparing the update (%1 KB)…</source>
        <translation>Preparando la actualización (%1 KB)…</translation>
    </message>
    <message>
        <source>Your pedals couldn&apos;t accept this firmware file: %1</source>
        <translation>Los pedales no aceptaron este archivo de firmware: %1</translation>
    </message>
    <message>
        <source>The update stopped unexpectedly right after it started. Please try again.</source>
        <translation>La actualización se detuvo inesperadamente justo después de empezar. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Installing firmware…</source>
        <translation>Instalando el firmware…</translation>
    </message>
    <message>
        <source>Update canceled while installing firmware.</source>
        <translation>Actualización cancelada durante la instalación del firmware.</translation>
    </message>
    <message>
        <source>The update paused too long without a reply from your pedals. %1</source>
        <translation>La actualización se interrumpió: los pedales tardaron demasiado en responder. %1</translation>
    </message>
    <message>
        <source>Your pedals reported a problem during the update: %1</source>
        <translation>Los pedales informaron de un problema durante la actualización: %1</translation>
    </message>
    <message>
        <source>The update lost sync with your pedals. Please try again from the beginning.</source>
        <translation>La actualización perdió la sincronización con los pedales. Vuelve a intentarlo desde el principio.</translation>
    </message>
    <message>
        <source>The device didn&apos;t confirm the update finished cleanly. %1</source>
        <translation>El dispositivo no confirmó que la actualización terminara correctamente. %1</translation>
    </message>
    <message>
        <source>Installing… %1% complete</source>
        <translation>Instalando… %1 % completado</translation>
    </message>
    <message>
        <source>Looking for your pedals again after the restart…</source>
        <translation>Buscando de nuevo los pedales tras el reinicio…</translation>
    </message>
    <message>
        <source>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</source>
        <translation>El firmware se instaló, pero no se pudo volver a conectar con los pedales a tiempo.

Desconecta el cable USB, vuelve a conectarlo y, si es necesario, abre de nuevo esta página.</translation>
    </message>
    <message>
        <source>Cannot create profiles directory: %1</source>
        <translation>No se puede crear la carpeta de perfiles: %1</translation>
    </message>
    <message>
        <source>Cannot open file: %1</source>
        <translation>No se puede abrir el archivo: %1</translation>
    </message>
    <message>
        <source>Cannot write: %1</source>
        <translation>No se puede escribir: %1</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>Error de escritura: %1</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>El archivo no existe</translation>
    </message>
    <message>
        <source>Cannot delete: %1</source>
        <translation>No se puede borrar: %1</translation>
    </message>
    <message>
        <source>Name is empty</source>
        <translation>El nombre está vacío</translation>
    </message>
    <message>
        <source>Name contains invalid characters</source>
        <translation>El nombre contiene caracteres no válidos</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>VID / PID</source>
        <translation>VID / PID</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</source>
        <translation>Se encontraron los pedales, pero este usuario no tiene permiso para abrirlos (permiso denegado). Instala la regla udev incluida con Quilbex Control (consulta el README, sección «Linux device permissions») y luego desconecta y vuelve a conectar los pedales.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Quilbex Pedals</source>
        <translation>Quilbex Pedals</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Quilbex Control</source>
        <translation>Quilbex Control</translation>
    </message>
    <message>
        <source>Pedals</source>
        <translation>Pedales</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</source>
        <translation>Hay una actualización de firmware en curso.

Si sales ahora de esta página, te resultará más difícil seguir el progreso o cancelarla de forma segura.

¿Quieres quedarte en la página Actualización?</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <translation>Página: %1</translation>
    </message>
    <message>
        <source>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</source>
        <translation>Todavía hay una actualización de firmware en curso.

Si cierras Quilbex Control ahora, podrías interrumpir la actualización y dejar los pedales en un estado incompleto.

¿Seguro que quieres salir?</translation>
    </message>
    <message>
        <source>Not calibrated</source>
        <translation>Sin calibrar</translation>
    </message>
    <message>
        <source>Calibration completed</source>
        <translation>Calibración completada</translation>
    </message>
    <message>
        <source>Calibration failed — press pedal fully</source>
        <translation>Falló la calibración: pisa el pedal a fondo</translation>
    </message>
    <message>
        <source>Raw ADC</source>
        <translation>ADC bruto</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Deadzone top</source>
        <translation>Zona muerta superior</translation>
    </message>
    <message>
        <source>Deadzone bottom</source>
        <translation>Zona muerta inferior</translation>
    </message>
    <message>
        <source>Filter / smooth</source>
        <translation>Filtro / suavizado</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Toggle calibration mode (auto-stops in 15 s).
Press the full pedal travel before stopping.</source>
        <translation>Activa o desactiva el modo de calibración (se detiene solo a los 15 s).
Pisa el pedal a fondo y suéltalo antes de detenerla.</translation>
    </message>
    <message>
        <source>Stop Calibration</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start Calibration</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Clear calibration data for this channel</source>
        <translation>Borrar los datos de calibración de este canal</translation>
    </message>
    <message>
        <source>Filter strength: 0 = fastest response, 6 = smoothest</source>
        <translation>Intensidad del filtro: 0 = respuesta más rápida, 6 = más suave</translation>
    </message>
    <message>
        <source>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</source>
        <translation>Enviar al dispositivo la zona muerta, el filtro y la curva de esta columna. Los cambios sin guardar de las demás columnas no se envían.</translation>
    </message>
    <message>
        <source>SAVED</source>
        <translation>LISTO</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENVIAR</translation>
    </message>
    <message>
        <source>Linear — linear pedal response</source>
        <translation>Lineal — respuesta lineal del pedal</translation>
    </message>
    <message>
        <source>S-Curve — more sensitivity in the middle</source>
        <translation>Curva en S — más sensibilidad en la zona media</translation>
    </message>
    <message>
        <source>Early — more sensitivity at the start</source>
        <translation>Inicial — más sensibilidad al principio del recorrido</translation>
    </message>
    <message>
        <source>Late — more sensitivity at the end</source>
        <translation>Final — más sensibilidad al final del recorrido</translation>
    </message>
    <message>
        <source>Custom — drag points on the chart</source>
        <translation>Personalizada — arrastra los puntos en el gráfico</translation>
    </message>
    <message>
        <source>Calibrating... (move pedal full range)  %1 s</source>
        <translation>Calibrando… (pisa a fondo y suelta)  %1 s</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Acelerador</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Freno</translation>
    </message>
    <message>
        <source>Clutch</source>
        <translation>Embrague</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Device connection status</source>
        <translation>Estado de conexión del dispositivo</translation>
    </message>
    <message>
        <source>Language, theme, and default paths. (Theme remains a placeholder in this version.)</source>
        <translation>Idioma, tema y rutas predeterminadas. (En esta versión, el tema aún no se puede cambiar).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light (placeholder)</source>
        <translation>Claro (provisional)</translation>
    </message>
    <message>
        <source>Quilbex Pedals profile (*.json);;All files (*)</source>
        <translation>Perfil de Quilbex Pedals (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Profile has unsaved changes in the editor.</source>
        <translation>El perfil tiene cambios sin guardar en el editor.</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Nuevo perfil</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nombre del perfil:</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>Cargar perfil</translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation>Error al cargar</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Borrar perfil</translation>
    </message>
    <message>
        <source>At least one profile must remain.</source>
        <translation>Debe quedar al menos un perfil.</translation>
    </message>
    <message>
        <source>Permanently delete profile &quot;%1&quot;?</source>
        <translation>¿Borrar definitivamente el perfil «%1»?</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Error al borrar</translation>
    </message>
    <message>
        <source>Rename profile</source>
        <translation>Cambiar nombre del perfil</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nuevo nombre:</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Error al cambiar el nombre</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Importar perfil</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Exportar perfil</translation>
    </message>
    <message>
        <source>Cannot overwrite target file.</source>
        <translation>No se puede sobrescribir el archivo de destino.</translation>
    </message>
    <message>
        <source>Export failed.</source>
        <translation>Error al exportar.</translation>
    </message>
    <message>
        <source>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</source>
        <translation>Selecciona un archivo de firmware, revisa la información de versión de abajo e inicia la actualización cuando quieras. Si el nombre del archivo incluye una versión, como 2.0.7, se muestra aquí para compararla rápidamente.</translation>
    </message>
    <message>
        <source>Current firmware:</source>
        <translation>Firmware actual:</translation>
    </message>
    <message>
        <source>Selected file:</source>
        <translation>Archivo seleccionado:</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>Versión del archivo:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Update progress will appear here.</source>
        <translation>Aquí se mostrará el progreso de la actualización.</translation>
    </message>
    <message>
        <source>Choose firmware file</source>
        <translation>Elegir archivo de firmware</translation>
    </message>
    <message>
        <source>Start update</source>
        <translation>Iniciar actualización</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocida</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Choose a firmware file to see how it compares to your pedals.</source>
        <translation>Elige un archivo de firmware para compararlo con el de tus pedales.</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Seleccionado: %1</translation>
    </message>
    <message>
        <source>Firmware files (*.bin);;All files (*.*)</source>
        <translation>Archivos de firmware (*.bin);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Please choose a firmware file (.bin) first.</source>
        <translation>Primero elige un archivo de firmware (.bin).</translation>
    </message>
    <message>
        <source>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</source>
        <translation>La actualización de firmware está a punto de comenzar.

Mantén el cable USB conectado y no cierres esta aplicación hasta que termine la actualización.

¿Quieres continuar?</translation>
    </message>
    <message>
        <source>Starting update…</source>
        <translation>Iniciando la actualización…</translation>
    </message>
    <message>
        <source>Cancel requested. The update will stop as soon as the current step is safe to end.</source>
        <translation>Cancelación solicitada. La actualización se detendrá en cuanto el paso actual pueda terminar de forma segura.</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Actualización completada</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.

Current firmware version: %1</source>
        <translation>Los pedales se han actualizado correctamente.

Versión de firmware actual: %1</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.</source>
        <translation>Los pedales se han actualizado correctamente.</translation>
    </message>
    <message>
        <source>Update could not be completed</source>
        <translation>No se pudo completar la actualización</translation>
    </message>
    <message>
        <source>Not an executable file name: &quot;%1&quot;</source>
        <translation>No es un nombre de archivo ejecutable válido: «%1»</translation>
    </message>
    <message>
        <source>The pedals are not connected.</source>
        <translation>Los pedales no están conectados.</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>Juegos…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Cambiar nombre…</translation>
    </message>
    <message>
        <source>%1 ended, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 se ha cerrado, pero el editor tiene cambios sin guardar: no se ha cambiado de perfil.</translation>
    </message>
    <message>
        <source>%1 started, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 se ha iniciado, pero el editor tiene cambios sin guardar: no se ha cambiado de perfil.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold the settings from before the game.</source>
        <translation>%1 se ha cerrado: los pedales ya tienen los ajustes de antes del juego.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before the game were restored.</source>
        <translation>%1 se ha cerrado: se han restaurado los ajustes de antes del juego.</translation>
    </message>
    <message>
        <source>These games switch the pedals to this profile when they start:</source>
        <translation>Al iniciarse, estos juegos cambian los pedales a este perfil:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Switch profiles when a game starts</source>
        <translation>Cambiar de perfil al iniciar un juego</translation>
    </message>
    <message>
        <source>Return to the previous profile when the game ends</source>
        <translation>Volver al perfil anterior al cerrar el juego</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>No es un archivo normal: %1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>El archivo es demasiado grande: %1</translation>
    </message>
    <message>
        <source>The configuration history %1 is not a regular file.</source>
        <translation>El historial de configuración %1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>The configuration history %1 is larger than 1 MiB and was not read.</source>
        <translation>El historial de configuración %1 supera 1 MiB y no se ha leído.</translation>
    </message>
    <message>
        <source>Cannot read the configuration history %1: %2</source>
        <translation>No se puede leer el historial de configuración %1: %2</translation>
    </message>
    <message>
        <source>The configuration history %1 is damaged and was not read.</source>
        <translation>El historial de configuración %1 está dañado y no se ha leído.</translation>
    </message>
    <message>
        <source>The configuration history is empty.</source>
        <translation>El historial de configuración está vacío.</translation>
    </message>
    <message>
        <source>The configuration history has no entry %1.</source>
        <translation>El historial de configuración no tiene ninguna entrada %1.</translation>
    </message>
    <message>
        <source>Cannot write the configuration history %1: %2</source>
        <translation>No se puede escribir el historial de configuración %1: %2</translation>
    </message>
    <message>
        <source>save pedal</source>
        <translation>enviar pedal</translation>
    </message>
    <message>
        <source>write configuration</source>
        <translation>escribir configuración</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibración</translation>
    </message>
    <message>
        <source>calibration reset</source>
        <translation>restablecer calibración</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restaurar</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>aplicar perfil</translation>
    </message>
    <message>
        <source>firmware update</source>
        <translation>actualización de firmware</translation>
    </message>
    <message>
        <source>game switch</source>
        <translation>cambio de perfil (juego)</translation>
    </message>
    <message>
        <source>The pedals&apos; settings could not be read, so nothing will be written to them. Trying again every few seconds; if this stays, reconnect or re-plug the pedals.</source>
        <translation>No se pudieron leer los ajustes de los pedales, así que no se escribirá nada en ellos. Se reintentará cada pocos segundos; si el problema persiste, vuelve a conectar los pedales o desenchúfalos y enchúfalos de nuevo.</translation>
    </message>
    <message>
        <source>A firmware update is running.</source>
        <translation>Hay una actualización de firmware en curso.</translation>
    </message>
    <message>
        <source>The pedals are restarting to store the last change. Wait until they are back.</source>
        <translation>Los pedales se están reiniciando para guardar el último cambio. Espera a que vuelvan a estar disponibles.</translation>
    </message>
    <message>
        <source>The pedals did not take the settings. The changes are still marked unsaved; try again, or reconnect the pedals if it keeps failing.</source>
        <translation>Los pedales no aceptaron los ajustes. Los cambios siguen marcados como no guardados; inténtalo de nuevo o vuelve a conectar los pedales si sigue fallando.</translation>
    </message>
    <message>
        <source>That is not a regular file. Please choose a firmware file (.bin).</source>
        <translation>No es un archivo normal. Elige un archivo de firmware (.bin).</translation>
    </message>
    <message>
        <source>Nothing kept yet. Before every write to the pedals, what they held is kept here.</source>
        <translation>Todavía no hay nada guardado. Antes de cada escritura en los pedales, lo que tenían se guarda aquí.</translation>
    </message>
    <message>
        <source>Restore configuration</source>
        <translation>Restaurar configuración</translation>
    </message>
    <message>
        <source>Write the configuration the pedals held on %1 (before: %2) back to them? What they hold now is kept in the history first.</source>
        <translation>¿Volver a escribir en los pedales la configuración que tenían el %1 (guardada antes de: %2)? Lo que tienen ahora se guarda primero en el historial.</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>Historial de configuración</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Kept before</source>
        <translation>Guardado antes de</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restaurar…</translation>
    </message>
    <message>
        <source>Not written to the pedals</source>
        <translation>No se escribió en los pedales</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Trazado</translation>
    </message>
    <message>
        <source>%1: the profile file %2 could not be loaded: %3</source>
        <translation>%1: no se pudo cargar el archivo de perfil %2: %3</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; will be applied when the pedals are ready.</source>
        <translation>%1 se ha iniciado: el perfil «%2» se aplicará cuando los pedales estén listos.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 se ha cerrado: los pedales ya tienen el perfil «%2».</translation>
    </message>
    <message>
        <source>%1 started: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 se ha iniciado: los pedales ya tienen el perfil «%2».</translation>
    </message>
    <message>
        <source>%1: the profile could not be written; the pedals keep their current settings.</source>
        <translation>%1: no se pudo escribir el perfil; los pedales conservan sus ajustes actuales.</translation>
    </message>
    <message>
        <source>%1 ended: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 se ha cerrado: perfil «%2» aplicado a los pedales.</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 se ha iniciado: perfil «%2» aplicado a los pedales.</translation>
    </message>
    <message>
        <source>Games for profile &quot;%1&quot;</source>
        <translation>Juegos del perfil «%1»</translation>
    </message>
    <message>
        <source>Type an executable name or pick a running program</source>
        <translation>Escribe el nombre de un ejecutable o elige un programa en ejecución</translation>
    </message>
    <message>
        <source>%1 was bound to profile &quot;%2&quot;; it now switches the pedals to this profile.</source>
        <translation>%1 estaba asociado al perfil «%2»; ahora cambia los pedales a este perfil.</translation>
    </message>
    <message>
        <source>Save them to the profile &quot;%1&quot; they were made on, discard them, or cancel.</source>
        <translation>Puedes guardarlos en el perfil «%1», en el que se hicieron, descartarlos o cancelar.</translation>
    </message>
    <message>
        <source>Save them as a new profile, discard them, or cancel.</source>
        <translation>Puedes guardarlos como un perfil nuevo, descartarlos o cancelar.</translation>
    </message>
    <message>
        <source>Last brake: peak %1 %, %2 s</source>
        <translation>Última frenada: pico %1 %, %2 s</translation>
    </message>
    <message>
        <source>The output of the three pedals over the last 10 seconds, newest on the right. The last brake application is held as a dashed line from the left edge.</source>
        <translation>La salida de los tres pedales en los últimos 10 segundos, con lo más reciente a la derecha. La última frenada se mantiene como una línea discontinua desde el borde izquierdo.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>The documents folder cannot be created.</source>
        <translation>No se puede crear la carpeta Documentos.</translation>
    </message>
    <message>
        <source>Trace saved to %1</source>
        <translation>Grabación guardada en %1</translation>
    </message>
    <message>
        <source>The trace cannot be written to %1.

%2</source>
        <translation>No se puede escribir la grabación en %1.

%2</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Grabando en %1</translation>
    </message>
</context>
</TS>
