<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation>Arquivo de perfil inválido. Este não é um perfil do Quilbex Pedals.</translation>
    </message>
    <message>
        <source>That file could not be found. Please check the path and try again.</source>
        <translation>O arquivo não foi encontrado. Verifique o caminho e tente novamente.</translation>
    </message>
    <message>
        <source>Please choose a firmware file with the .bin extension.</source>
        <translation>Escolha um arquivo de firmware com a extensão .bin.</translation>
    </message>
    <message>
        <source>We couldn&apos;t open that file. It may be in use or you may not have permission to read it.</source>
        <translation>Não foi possível abrir o arquivo. Ele pode estar em uso ou talvez você não tenha permissão para lê-lo.</translation>
    </message>
    <message>
        <source>That firmware file appears to be empty. Please export or download it again.</source>
        <translation>O arquivo de firmware parece estar vazio. Exporte ou baixe o arquivo novamente.</translation>
    </message>
    <message>
        <source>This firmware file is too large for your pedals (%1 KB). The maximum supported size is %2 KB.</source>
        <translation>Este arquivo de firmware é grande demais para os seus pedais (%1 KB). O tamanho máximo suportado é %2 KB.</translation>
    </message>
    <message>
        <source>We couldn&apos;t read a version from the file name.</source>
        <translation>Não foi possível identificar uma versão no nome do arquivo.</translation>
    </message>
    <message>
        <source>Connect your pedals to see the current firmware version.</source>
        <translation>Conecte os pedais para ver a versão atual do firmware.</translation>
    </message>
    <message>
        <source>A newer firmware version is available in this file.</source>
        <translation>Este arquivo contém uma versão mais recente do firmware.</translation>
    </message>
    <message>
        <source>This file looks older than the firmware on your pedals.</source>
        <translation>Este arquivo parece ser mais antigo que o firmware dos seus pedais.</translation>
    </message>
    <message>
        <source>This file matches the firmware already on your pedals.</source>
        <translation>Este arquivo corresponde ao firmware já instalado nos seus pedais.</translation>
    </message>
    <message>
        <source>Starting update using: %1</source>
        <translation>Iniciando a atualização com: %1</translation>
    </message>
    <message>
        <source>Something went wrong inside the application. Please restart Quilbex Control and try again.</source>
        <translation>Ocorreu um erro interno no aplicativo. Reinicie o Quilbex Control e tente novamente.</translation>
    </message>
    <message>
        <source>We couldn&apos;t find your pedals. Please connect them with USB and try again.</source>
        <translation>Não foi possível encontrar os pedais. Conecte-os via USB e tente novamente.</translation>
    </message>
    <message>
        <source>Your pedals are already in update mode. Continuing with the transfer…</source>
        <translation>Os pedais já estão no modo de atualização. Continuando a transferência…</translation>
    </message>
    <message>
        <source>Switching your pedals to update mode…</source>
        <translation>Colocando os pedais no modo de atualização…</translation>
    </message>
    <message>
        <source>We couldn&apos;t start the update. Please keep the USB cable connected and try again.</source>
        <translation>Não foi possível iniciar a atualização. Mantenha o cabo USB conectado e tente novamente.</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to your pedals in update mode. Try unplugging and reconnecting the USB cable.</source>
        <translation>Não foi possível conectar aos pedais no modo de atualização. Tente desconectar e reconectar o cabo USB.</translation>
    </message>
    <message>
        <source>Firmware installed. Waiting for your pedals to restart…</source>
        <translation>Firmware instalado. Aguardando a reinicialização dos pedais…</translation>
    </message>
    <message>
        <source>Your pedals are connected again.</source>
        <translation>Os pedais estão conectados novamente.</translation>
    </message>
    <message>
        <source>Waiting for your pedals to appear in update mode…</source>
        <translation>Aguardando os pedais aparecerem no modo de atualização…</translation>
    </message>
    <message>
        <source>Update canceled while waiting for update mode.</source>
        <translation>Atualização cancelada durante a espera pelo modo de atualização.</translation>
    </message>
    <message>
        <source>Your pedals didn&apos;t enter update mode in time. Unplug the USB cable, plug it back in, and try again.</source>
        <translation>Os pedais não entraram no modo de atualização a tempo. Desconecte o cabo USB, conecte-o novamente e tente outra vez.</translation>
    </message>
    <message>
        <source>Preparing the update (%1 KB)…</source>
        <translation>Preparando a atualização (%1 KB)…</translation>
    </message>
    <message>
        <source>Your pedals couldn&apos;t accept this firmware file: %1</source>
        <translation>Os pedais não aceitaram este arquivo de firmware: %1</translation>
    </message>
    <message>
        <source>The update stopped unexpectedly right after it started. Please try again.</source>
        <translation>A atualização parou inesperadamente logo após começar. Tente novamente.</translation>
    </message>
    <message>
        <source>Installing firmware…</source>
        <translation>Instalando o firmware…</translation>
    </message>
    <message>
        <source>Update canceled while installing firmware.</source>
        <translation>Atualização cancelada durante a instalação do firmware.</translation>
    </message>
    <message>
        <source>The update paused too long without a reply from your pedals. %1</source>
        <translation>A atualização foi interrompida: os pedais demoraram demais para responder. %1</translation>
    </message>
    <message>
        <source>Your pedals reported a problem during the update: %1</source>
        <translation>Os pedais relataram um problema durante a atualização: %1</translation>
    </message>
    <message>
        <source>The update lost sync with your pedals. Please try again from the beginning.</source>
        <translation>A atualização perdeu a sincronia com os pedais. Tente novamente desde o início.</translation>
    </message>
    <message>
        <source>The device didn&apos;t confirm the update finished cleanly. %1</source>
        <translation>O dispositivo não confirmou que a atualização terminou corretamente. %1</translation>
    </message>
    <message>
        <source>Installing… %1% complete</source>
        <translation>Instalando… %1% concluído</translation>
    </message>
    <message>
        <source>Looking for your pedals again after the restart…</source>
        <translation>Procurando os pedais novamente após a reinicialização…</translation>
    </message>
    <message>
        <source>The firmware was installed, but we couldn&apos;t reconnect to your pedals in time.

Please unplug the USB cable, plug it back in, then open this page again if needed.</source>
        <translation>O firmware foi instalado, mas não foi possível reconectar aos pedais a tempo.

Desconecte o cabo USB, conecte-o novamente e, se necessário, abra esta página de novo.</translation>
    </message>
    <message>
        <source>Cannot create profiles directory: %1</source>
        <translation>Não é possível criar a pasta de perfis: %1</translation>
    </message>
    <message>
        <source>Cannot open file: %1</source>
        <translation>Não é possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>Cannot write: %1</source>
        <translation>Não é possível gravar: %1</translation>
    </message>
    <message>
        <source>Write failed: %1</source>
        <translation>Falha na gravação: %1</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>O arquivo não existe</translation>
    </message>
    <message>
        <source>Cannot delete: %1</source>
        <translation>Não é possível excluir: %1</translation>
    </message>
    <message>
        <source>Name is empty</source>
        <translation>O nome está vazio</translation>
    </message>
    <message>
        <source>Name contains invalid characters</source>
        <translation>O nome contém caracteres inválidos</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
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
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>The pedals were found, but this user may not open them (permission denied). Install the udev rule shipped with Quilbex Control (see the README: Linux device permissions), then unplug and re-plug the pedals.</source>
        <translation>Os pedais foram encontrados, mas este usuário não tem permissão para abri-los (permissão negada). Instale a regra udev fornecida com o Quilbex Control (consulte o README, seção “Linux device permissions”) e depois desconecte e reconecte os pedais.</translation>
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
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Quilbex Control</source>
        <translation>Quilbex Control</translation>
    </message>
    <message>
        <source>Pedals</source>
        <translation>Pedais</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Atualização de firmware</translation>
    </message>
    <message>
        <source>A firmware update is in progress.

If you leave this page now, it may be harder to follow progress or cancel safely.

Would you like to stay on the Update page?</source>
        <translation>Há uma atualização de firmware em andamento.

Se você sair desta página agora, pode ficar mais difícil acompanhar o progresso ou cancelar com segurança.

Deseja permanecer na página Atualização?</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <translation>Página: %1</translation>
    </message>
    <message>
        <source>A firmware update is still running.

Closing Quilbex Control now could interrupt the update and may leave your pedals in an incomplete state.

Are you sure you want to quit?</source>
        <translation>Uma atualização de firmware ainda está em andamento.

Fechar o Quilbex Control agora pode interromper a atualização e deixar os pedais em um estado incompleto.

Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>Not calibrated</source>
        <translation>Não calibrado</translation>
    </message>
    <message>
        <source>Calibration completed</source>
        <translation>Calibração concluída</translation>
    </message>
    <message>
        <source>Calibration failed — press pedal fully</source>
        <translation>Falha na calibração — pise o pedal até o fim</translation>
    </message>
    <message>
        <source>Raw ADC</source>
        <translation>ADC bruto</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Deadzone top</source>
        <translation>Zona morta superior</translation>
    </message>
    <message>
        <source>Deadzone bottom</source>
        <translation>Zona morta inferior</translation>
    </message>
    <message>
        <source>Filter / smooth</source>
        <translation>Filtro / suavização</translation>
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
        <translation>Ativa ou desativa o modo de calibração (para sozinho após 15 s).
Pise o pedal até o fim do curso antes de parar.</translation>
    </message>
    <message>
        <source>Stop Calibration</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Start Calibration</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Clear calibration data for this channel</source>
        <translation>Apagar os dados de calibração deste canal</translation>
    </message>
    <message>
        <source>Filter strength: 0 = fastest response, 6 = smoothest</source>
        <translation>Intensidade do filtro: 0 = resposta mais rápida, 6 = mais suave</translation>
    </message>
    <message>
        <source>Write this column&apos;s deadzone, filter, and curve to the device. Unsaved changes on other columns are not sent.</source>
        <translation>Salva no dispositivo a zona morta, o filtro e a curva desta coluna. Alterações não salvas nas outras colunas não são enviadas.</translation>
    </message>
    <message>
        <source>SAVED</source>
        <translation>SALVO</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVAR</translation>
    </message>
    <message>
        <source>Linear — linear pedal response</source>
        <translation>Linear — resposta linear do pedal</translation>
    </message>
    <message>
        <source>S-Curve — more sensitivity in the middle</source>
        <translation>Curva S — mais sensibilidade no meio do curso</translation>
    </message>
    <message>
        <source>Early — more sensitivity at the start</source>
        <translation>Inicial — mais sensibilidade no início do curso</translation>
    </message>
    <message>
        <source>Late — more sensitivity at the end</source>
        <translation>Final — mais sensibilidade no fim do curso</translation>
    </message>
    <message>
        <source>Custom — drag points on the chart</source>
        <translation>Personalizada — arraste os pontos no gráfico</translation>
    </message>
    <message>
        <source>Calibrating... (move pedal full range)  %1 s</source>
        <translation>Calibrando… (percorra todo o curso)  %1 s</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Acelerador</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Freio</translation>
    </message>
    <message>
        <source>Clutch</source>
        <translation>Embreagem</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
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
        <translation>Status da conexão do dispositivo</translation>
    </message>
    <message>
        <source>Language, theme, and default paths. (Theme remains a placeholder in this version.)</source>
        <translation>Idioma, tema e caminhos padrão. (Nesta versão, o tema ainda não pode ser alterado.)</translation>
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
        <translation>Claro (provisório)</translation>
    </message>
    <message>
        <source>Quilbex Pedals profile (*.json);;All files (*)</source>
        <translation>Perfil do Quilbex Pedals (*.json);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Profile has unsaved changes in the editor.</source>
        <translation>O perfil tem alterações não salvas no editor.</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Salvar perfil</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Novo perfil</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nome do perfil:</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>Abrir perfil</translation>
    </message>
    <message>
        <source>Load failed</source>
        <translation>Falha ao abrir</translation>
    </message>
    <message>
        <source>Delete profile</source>
        <translation>Excluir perfil</translation>
    </message>
    <message>
        <source>At least one profile must remain.</source>
        <translation>É preciso manter pelo menos um perfil.</translation>
    </message>
    <message>
        <source>Permanently delete profile &quot;%1&quot;?</source>
        <translation>Excluir permanentemente o perfil “%1”?</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Falha ao excluir</translation>
    </message>
    <message>
        <source>Rename profile</source>
        <translation>Renomear perfil</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Novo nome:</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Falha ao renomear</translation>
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
        <translation>Não é possível substituir o arquivo de destino.</translation>
    </message>
    <message>
        <source>Export failed.</source>
        <translation>Falha ao exportar.</translation>
    </message>
    <message>
        <source>Select a firmware file, check the version information below, and start the update when you are ready. If the file name includes a version such as 2.0.7, we show it here for quick comparison.</source>
        <translation>Selecione um arquivo de firmware, confira as informações de versão abaixo e inicie a atualização quando quiser. Se o nome do arquivo incluir uma versão, como 2.0.7, ela será exibida aqui para uma comparação rápida.</translation>
    </message>
    <message>
        <source>Current firmware:</source>
        <translation>Firmware atual:</translation>
    </message>
    <message>
        <source>Selected file:</source>
        <translation>Arquivo selecionado:</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>Versão do arquivo:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Update progress will appear here.</source>
        <translation>O progresso da atualização aparecerá aqui.</translation>
    </message>
    <message>
        <source>Choose firmware file</source>
        <translation>Escolher arquivo de firmware</translation>
    </message>
    <message>
        <source>Start update</source>
        <translation>Iniciar atualização</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecida</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>Choose a firmware file to see how it compares to your pedals.</source>
        <translation>Escolha um arquivo de firmware para compará-lo com o dos seus pedais.</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Selecionado: %1</translation>
    </message>
    <message>
        <source>Firmware files (*.bin);;All files (*.*)</source>
        <translation>Arquivos de firmware (*.bin);;Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Please choose a firmware file (.bin) first.</source>
        <translation>Escolha primeiro um arquivo de firmware (.bin).</translation>
    </message>
    <message>
        <source>The firmware update is about to start.

Please keep the USB cable connected and leave this application open until the update finishes.

Do you want to continue?</source>
        <translation>A atualização de firmware vai começar.

Mantenha o cabo USB conectado e deixe este aplicativo aberto até a atualização terminar.

Deseja continuar?</translation>
    </message>
    <message>
        <source>Starting update…</source>
        <translation>Iniciando a atualização…</translation>
    </message>
    <message>
        <source>Cancel requested. The update will stop as soon as the current step is safe to end.</source>
        <translation>Cancelamento solicitado. A atualização será interrompida assim que a etapa atual puder ser encerrada com segurança.</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Atualização concluída</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.

Current firmware version: %1</source>
        <translation>Os pedais foram atualizados com sucesso.

Versão atual do firmware: %1</translation>
    </message>
    <message>
        <source>Your pedals have been updated successfully.</source>
        <translation>Os pedais foram atualizados com sucesso.</translation>
    </message>
    <message>
        <source>Update could not be completed</source>
        <translation>Não foi possível concluir a atualização</translation>
    </message>
    <message>
        <source>Not an executable file name: &quot;%1&quot;</source>
        <translation>Nome de arquivo executável inválido: “%1”</translation>
    </message>
    <message>
        <source>The pedals are not connected.</source>
        <translation>Os pedais não estão conectados.</translation>
    </message>
    <message>
        <source>Games…</source>
        <translation>Jogos…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renomear…</translation>
    </message>
    <message>
        <source>%1 ended, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 foi encerrado, mas o editor tem alterações não salvas: o perfil não foi trocado.</translation>
    </message>
    <message>
        <source>%1 started, but the editor holds unsaved changes: the profile was not switched.</source>
        <translation>%1 foi iniciado, mas o editor tem alterações não salvas: o perfil não foi trocado.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold the settings from before the game.</source>
        <translation>%1 foi encerrado: os pedais já estão com as configurações de antes do jogo.</translation>
    </message>
    <message>
        <source>%1 ended: the settings from before the game were restored.</source>
        <translation>%1 foi encerrado: as configurações de antes do jogo foram restauradas.</translation>
    </message>
    <message>
        <source>These games switch the pedals to this profile when they start:</source>
        <translation>Estes jogos mudam os pedais para este perfil ao serem iniciados:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Switch profiles when a game starts</source>
        <translation>Trocar de perfil quando um jogo iniciar</translation>
    </message>
    <message>
        <source>Return to the previous profile when the game ends</source>
        <translation>Voltar ao perfil anterior quando o jogo terminar</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Não é um arquivo comum: %1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>O arquivo é grande demais: %1</translation>
    </message>
    <message>
        <source>The configuration history %1 is not a regular file.</source>
        <translation>O histórico de configurações %1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The configuration history %1 is larger than 1 MiB and was not read.</source>
        <translation>O histórico de configurações %1 tem mais de 1 MiB e não foi lido.</translation>
    </message>
    <message>
        <source>Cannot read the configuration history %1: %2</source>
        <translation>Não é possível ler o histórico de configurações %1: %2</translation>
    </message>
    <message>
        <source>The configuration history %1 is damaged and was not read.</source>
        <translation>O histórico de configurações %1 está danificado e não foi lido.</translation>
    </message>
    <message>
        <source>The configuration history is empty.</source>
        <translation>O histórico de configurações está vazio.</translation>
    </message>
    <message>
        <source>The configuration history has no entry %1.</source>
        <translation>O histórico de configurações não tem a entrada %1.</translation>
    </message>
    <message>
        <source>Cannot write the configuration history %1: %2</source>
        <translation>Não é possível gravar o histórico de configurações %1: %2</translation>
    </message>
    <message>
        <source>save pedal</source>
        <translation>salvar pedal</translation>
    </message>
    <message>
        <source>write configuration</source>
        <translation>gravar configuração</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibração</translation>
    </message>
    <message>
        <source>calibration reset</source>
        <translation>redefinir calibração</translation>
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
        <translation>atualização de firmware</translation>
    </message>
    <message>
        <source>game switch</source>
        <translation>troca de perfil (jogo)</translation>
    </message>
    <message>
        <source>The pedals&apos; settings could not be read, so nothing will be written to them. Trying again every few seconds; if this stays, reconnect or re-plug the pedals.</source>
        <translation>Não foi possível ler as configurações dos pedais, então nada será gravado neles. Nova tentativa a cada poucos segundos; se o problema continuar, reconecte os pedais ou desconecte o cabo e conecte-o novamente.</translation>
    </message>
    <message>
        <source>A firmware update is running.</source>
        <translation>Uma atualização de firmware está em andamento.</translation>
    </message>
    <message>
        <source>The pedals are restarting to store the last change. Wait until they are back.</source>
        <translation>Os pedais estão reiniciando para armazenar a última alteração. Aguarde até que estejam disponíveis de novo.</translation>
    </message>
    <message>
        <source>The pedals did not take the settings. The changes are still marked unsaved; try again, or reconnect the pedals if it keeps failing.</source>
        <translation>Os pedais não aceitaram as configurações. As alterações continuam marcadas como não salvas; tente novamente ou reconecte os pedais se a falha continuar.</translation>
    </message>
    <message>
        <source>That is not a regular file. Please choose a firmware file (.bin).</source>
        <translation>Este não é um arquivo comum. Escolha um arquivo de firmware (.bin).</translation>
    </message>
    <message>
        <source>Nothing kept yet. Before every write to the pedals, what they held is kept here.</source>
        <translation>Nada guardado ainda. Antes de cada gravação nos pedais, o que eles continham fica guardado aqui.</translation>
    </message>
    <message>
        <source>Restore configuration</source>
        <translation>Restaurar configuração</translation>
    </message>
    <message>
        <source>Write the configuration the pedals held on %1 (before: %2) back to them? What they hold now is kept in the history first.</source>
        <translation>Gravar de volta nos pedais a configuração que eles tinham em %1 (guardada antes de: %2)? O que eles têm agora é guardado primeiro no histórico.</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>Histórico de configurações</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
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
        <translation>Não gravado nos pedais</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>%1: the profile file %2 could not be loaded: %3</source>
        <translation>%1: não foi possível abrir o arquivo de perfil %2: %3</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; will be applied when the pedals are ready.</source>
        <translation>%1 foi iniciado: o perfil “%2” será aplicado quando os pedais estiverem prontos.</translation>
    </message>
    <message>
        <source>%1 ended: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 foi encerrado: os pedais já estão com o perfil “%2”.</translation>
    </message>
    <message>
        <source>%1 started: the pedals already hold profile &quot;%2&quot;.</source>
        <translation>%1 foi iniciado: os pedais já estão com o perfil “%2”.</translation>
    </message>
    <message>
        <source>%1: the profile could not be written; the pedals keep their current settings.</source>
        <translation>%1: não foi possível gravar o perfil; os pedais mantêm as configurações atuais.</translation>
    </message>
    <message>
        <source>%1 ended: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 foi encerrado: perfil “%2” aplicado aos pedais.</translation>
    </message>
    <message>
        <source>%1 started: profile &quot;%2&quot; applied to the pedals.</source>
        <translation>%1 foi iniciado: perfil “%2” aplicado aos pedais.</translation>
    </message>
    <message>
        <source>Games for profile &quot;%1&quot;</source>
        <translation>Jogos do perfil “%1”</translation>
    </message>
    <message>
        <source>Type an executable name or pick a running program</source>
        <translation>Digite o nome de um executável ou escolha um programa em execução</translation>
    </message>
    <message>
        <source>%1 was bound to profile &quot;%2&quot;; it now switches the pedals to this profile.</source>
        <translation>%1 estava associado ao perfil “%2”; agora ele muda os pedais para este perfil.</translation>
    </message>
    <message>
        <source>Save them to the profile &quot;%1&quot; they were made on, discard them, or cancel.</source>
        <translation>Você pode salvá-las no perfil “%1”, em que foram feitas, descartá-las ou cancelar.</translation>
    </message>
    <message>
        <source>Save them as a new profile, discard them, or cancel.</source>
        <translation>Você pode salvá-las como um novo perfil, descartá-las ou cancelar.</translation>
    </message>
    <message>
        <source>Last brake: peak %1 %, %2 s</source>
        <translation>Última frenagem: pico %1%, %2 s</translation>
    </message>
    <message>
        <source>The output of the three pedals over the last 10 seconds, newest on the right. The last brake application is held as a dashed line from the left edge.</source>
        <translation>A saída dos três pedais nos últimos 10 segundos, com o mais recente à direita. A última frenagem fica marcada como uma linha tracejada a partir da borda esquerda.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>The documents folder cannot be created.</source>
        <translation>Não é possível criar a pasta Documentos.</translation>
    </message>
    <message>
        <source>Trace saved to %1</source>
        <translation>Gravação salva em %1</translation>
    </message>
    <message>
        <source>The trace cannot be written to %1.

%2</source>
        <translation>Não é possível salvar a gravação em %1.

%2</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Gravando em %1</translation>
    </message>
</context>
</TS>
