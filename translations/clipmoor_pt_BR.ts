<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>, compilada em %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>Identificador do computador: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Vídeo baixado</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Falha no download</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>Não mostrar esta janela novamente por 2 semanas</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>Escolher pasta de downloads…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Usar cookies de</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>Escolher pasta de downloads</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>Preparar links copiados</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>Canal do yt-dlp</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Estável</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Nightly</translation>
    </message>
    <message>
        <source>Embed Title, Chapters and Cover</source>
        <translation>Incorporar título, capítulos e capa</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>Voltar aos formatos</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Baixando: </translation>
    </message>
    <message>
        <source>title</source>
        <translation>título</translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Vídeo baixado</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progresso do download</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>Áudio salvo</translation>
    </message>
</context>
<context>
    <name>EngineWarnings</name>
    <message>
        <source>WARNING</source>
        <translation>AVISO</translation>
    </message>
    <message>
        <source>The download folder %1 is gone or cannot be written. This download goes to %2.</source>
        <translation>A pasta de downloads %1 não existe mais ou não permite gravação. Este download vai para %2.</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>A versão atual do yt-dlp ainda está sendo instalada, então este vídeo é solicitado ao yt-dlp instalado no seu sistema, que pode ser antigo demais para o site. Se falhar, tente novamente em alguns minutos.</translation>
    </message>
</context>
<context>
    <name>ErrorMessage</name>
    <message>
        <source>Code: #0x%1</source>
        <translation>Código: #0x%1</translation>
    </message>
    <message>
        <source>Try Again with %1 Cookies</source>
        <translation>Tentar novamente com os cookies de %1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>Legendas:</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>Trecho…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>Legendas a incluir no vídeo</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>Trecho a baixar</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>Baixar só um trecho do vídeo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (automáticas)</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
    <message>
        <source>Back to the Address</source>
        <translation>Voltar ao endereço</translation>
    </message>
    <message>
        <source>title</source>
        <translation>título</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>Este vídeo não oferece formatos para baixar. Verifique o endereço ou tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>Lendo os formatos do vídeo</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Só áudio</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>Salvar só o áudio</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>Salvar só o áudio em MP3</translation>
    </message>
    <message>
        <source>Audio as MP3</source>
        <translation>Áudio em MP3</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>| %1 sec.</source>
        <translation>| %1 s</translation>
    </message>
</context>
<context>
    <name>FormatTableModel</name>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>Vídeo com áudio, %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Baixar %1</translation>
    </message>
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>O tamanho do fluxo de vídeo; o áudio é somado a ele</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>HttpGet</name>
    <message>
        <source>cannot fetch %1: %2</source>
        <translation>não é possível obter %1: %2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>sem dados há %1 s</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>não concluído em %1 s</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>só é permitido https</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>status HTTP %1 sem um novo endereço</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>redirecionamentos demais</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>redirecionamento para %1 recusado</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>mais de %1 bytes</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>status HTTP %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>não é possível gravar: %1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>o conteúdo está compactado (%1) sem ter sido pedido</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>a resposta está vazia</translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Video Address</source>
        <translation>Endereço do vídeo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVISO</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>AVISO: informe um endereço válido do YouTube para continuar</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>Mostrar os formatos do vídeo neste endereço</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Processar</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>Aguardando os servidores de publicação enviarem as versões atuais do yt-dlp e do Deno. Em uma conexão lenta, isso pode levar alguns minutos.</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>Cole o endereço de um vídeo do YouTube</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>O endereço do vídeo do YouTube a baixar; depois pressione Enter</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>Digite o início como m:ss ou h:mm:ss, por exemplo 1:05.</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>Digite o fim como m:ss ou h:mm:ss, por exemplo 2:30.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>O fim deve vir depois do início.</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>O vídeo dura só %1.</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>Baixar um trecho</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Início:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Fim:</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>&amp;Vídeo inteiro</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>Trecho do vídeo a baixar, como m:ss ou h:mm:ss:</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>Juntando vídeo e áudio…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>faltam %1</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Baixando…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Há um download em andamento. Interromper e sair?</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>Machine identifier</source>
        <translation>Identificador do computador</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>O identificador deste computador:

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>ThumbnailView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatura</translation>
    </message>
</context>
<context>
    <name>ToolError</name>
    <message>
        <source>This video is private: only people its owner invited can watch it. Choose another video.</source>
        <translation>Este vídeo é privado: só as pessoas convidadas pelo proprietário podem assisti-lo. Escolha outro vídeo.</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>Este vídeo não está disponível no seu país.</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>Esta transmissão ao vivo ou estreia ainda não começou. Tente novamente quando ela tiver começado.</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>Este vídeo foi removido ou não está disponível. Verifique o endereço.</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>Não foi possível acessar o site. Verifique a conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>O site recusou a solicitação por enquanto. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Este vídeo é só para membros pagantes do canal. Se você for um deles, entre no site pelo seu navegador e escolha esse navegador em “Usar cookies de” no menu (clique com o botão direito na janela).</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Este vídeo tem restrição de idade e só é exibido para adultos conectados. Entre no site pelo seu navegador e escolha esse navegador em “Usar cookies de” no menu (clique com o botão direito na janela).</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>O site pede que você entre para confirmar que não é um robô. Escolha em “Usar cookies de” no menu (clique com o botão direito na janela) um navegador em que você esteja conectado, ou tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Não foi possível ler os cookies do navegador: nenhum perfil desse navegador foi encontrado. Abra esse navegador uma vez e entre no site, ou escolha outro navegador ou “Nenhum” em “Usar cookies de” no menu (clique com o botão direito na janela).</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>O site não oferece mais o formato escolhido. Volte e escolha outro.</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>Não foi possível obter do site uma parte do vídeo. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>O site mudou de um jeito que este yt-dlp ainda não consegue acompanhar. Tente novamente daqui a um ou dois dias, ou escolha “Nightly” em “Canal do yt-dlp” no menu.</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>O site não ofereceu nenhum formato deste vídeo que o yt-dlp consiga ler. Tente novamente daqui a um ou dois dias, ou escolha “Nightly” em “Canal do yt-dlp” no menu.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>O site recusou a solicitação por enquanto. Tente novamente mais tarde ou escolha os cookies de um navegador em que você esteja conectado.</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>A versão nightly %1 do yt-dlp foi instalada e o download foi tentado novamente; o site continua recusando.</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>O yt-dlp %1 foi instalado e o download foi tentado novamente; o site continua recusando.</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>O Clipmoor não encontrou um yt-dlp mais recente que o que já tem.</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>O Clipmoor pediu o vídeo ao site novamente; o site continua recusando.</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>O site não aceitou a sessão de %1, cujos cookies foram usados: ela pode ter expirado. Entre no site novamente em %1 e depois tente de novo.</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>O site recusou o link salvo; pedindo novamente…</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>Procurando um yt-dlp mais recente…</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>Atualizando o yt-dlp para %1…</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>Tentando a versão nightly do yt-dlp…</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>Não foi possível ler o título e a duração do vídeo</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>Verifique o endereço e a conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>Não foi possível ler a duração do vídeo</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>Tente novamente. Se acontecer de novo, atualize a ferramenta de download com “Atualizar manualmente” no menu.</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>A ferramenta de download parou ao ler o título do vídeo</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>A ferramenta de download parou ao listar os formatos</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>A ferramenta de download parou durante o download</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>Escolha o formato novamente para recomeçar o download.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>Não foi possível ler a lista de formatos do vídeo</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>Não foi possível iniciar a ferramenta de download</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>Instale o programa novamente: a ferramenta de download dele está faltando ou não pode ser executada.</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>O download falhou</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>Tente novamente ou escolha outro formato.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>Não foi possível obter a lista de formatos do vídeo</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>Verifique a conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>Este vídeo não oferece formatos para baixar</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Algo deu errado</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Tente novamente.</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>Verifique o endereço ou tente novamente mais tarde.</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>Não foi possível atualizar. Entre em contato com o suporte</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>O Clipmoor foi atualizado</translation>
    </message>
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>Nenhuma atualização disponível
Você tem a versão atual</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>Há uma atualização disponível
Clique no botão abaixo para instalá-la</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>ATUALIZAR</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>Há uma atualização disponível
Atualize o %1 pelo gerenciador de pacotes do sistema</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>Erro de rede</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Falha no download</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Erro do servidor</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>O servidor retornou HTML em vez do arquivo</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>Não é possível abrir o arquivo %1 para gravação: %2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>Status HTTP: %1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>O instalador baixado %1 não corresponde à sua soma de verificação SHA-256 publicada</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1. 

Endereço: %2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>O servidor de atualizações não respondeu em %1 segundos</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>As informações da atualização passam de %1 bytes</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>Erro ao ler os dados JSON</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>Erro ao baixar os dados JSON</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>Erro do instalador</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>Erro na pasta de destino</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Erro de arquivo</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>O endereço do instalador %1 não é um endereço http ou https</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>Não é possível criar a pasta de destino: %1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>O endereço do instalador %1 não indica nenhum arquivo para salvar</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>O instalador %1 não corresponde à sua soma de verificação SHA-256 publicada</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>Estamos tentando baixar e instalar a atualização, mas algo no seu computador está impedindo.

Feche esta janela, verifique se há algum antivírus ou antimalware em execução e desative-o temporariamente. Depois tente fazer a atualização de novo.</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>ERRO ATUAL.: %1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>Instalador já baixado</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>O arquivo do instalador já existe:
%1

Deseja executar o instalador existente ou baixá-lo novamente?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>Executar instalador</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Baixar novamente</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>A atualização foi baixada</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>A atualização foi baixada para a sua pasta Downloads:
%1

O %2 será fechado agora e o instalador vai guiar você pela atualização</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>Eu mesmo executo o instalador</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Download cancelado</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>O download foi cancelado pelo usuário.</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>Atualização do %1</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>Estamos tentando baixar e instalar a atualização, mas algo deu errado no caminho.

Feche esta janela, verifique a conexão com a internet e o espaço livre na sua pasta Downloads e tente fazer a atualização de novo.</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>Recomendamos que você desative
temporariamente o seu antivírus
antes de prosseguir com
a atualização</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>O programa fecha quando a
atualização começa: deixe
um download em andamento
terminar antes de prosseguir</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>(versão atual: %1)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Um programa simples para baixar vídeos do YouTube, um de cada vez.</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>Atualizar manualmente</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>Registro ativado</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>Mudar escala</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>Mostrar UUID</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>Versão do %1: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>atualizar este aplicativo como uma versão dada</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>mostrar UID</translation>
    </message>
</context>
</TS>
