<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>, compilée le %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>Identifiant de la machine&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Vidéo téléchargée</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>Ne plus afficher cette fenêtre pendant 2 semaines</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>Choisir le dossier de téléchargement…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Utiliser les cookies de</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>Choisir le dossier de téléchargement</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>Canal de yt-dlp</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Stable</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Nightly</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>Préparer les liens copiés</translation>
    </message>
    <message>
        <source>Embed Title, Chapters and Cover</source>
        <translation>Intégrer le titre, les chapitres et la vignette</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>Retour aux formats</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Téléchargement&#xa0;: </translation>
    </message>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Vidéo téléchargée</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>Son enregistré</translation>
    </message>
</context>
<context>
    <name>EngineWarnings</name>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>The download folder %1 is gone or cannot be written. This download goes to %2.</source>
        <translation>Le dossier de téléchargement %1 n’existe plus ou n’est pas accessible en écriture. Ce téléchargement va dans %2.</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>La version actuelle de yt-dlp est encore en cours d’installation&#xa0;: cette vidéo est donc demandée au yt-dlp installé sur votre système, qui est peut-être trop ancien pour le site. En cas d’échec, réessayez dans quelques minutes.</translation>
    </message>
</context>
<context>
    <name>ErrorMessage</name>
    <message>
        <source>Code: #0x%1</source>
        <translation>Code&#xa0;: #0x%1</translation>
    </message>
    <message>
        <source>Try Again with %1 Cookies</source>
        <translation>Réessayer avec les cookies de %1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>Sous-titres :</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>Extrait…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>Sous-titres à intégrer à la vidéo</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>Ne télécharger qu’un extrait de la vidéo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (automatiques)</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>Extrait à télécharger</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
    <message>
        <source>Back to the Address</source>
        <translation>Retour à l’adresse</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>Cette vidéo ne propose aucun format à télécharger. Vérifiez l’adresse ou réessayez plus tard.</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>Lecture des formats de la vidéo</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Audio seul</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>Enregistrer le son seul</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>Enregistrer le son seul en MP3</translation>
    </message>
    <message>
        <source>Audio as MP3</source>
        <translation>Audio en MP3</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>| %1 sec.</source>
        <translation>| %1&#xa0;s</translation>
    </message>
</context>
<context>
    <name>FormatTableModel</name>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>Vidéo avec son, %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>La taille du flux vidéo&#xa0;; le son s’y ajoute</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 i/s</translation>
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
        <translation>impossible de récupérer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>aucune donnée depuis %1&#xa0;s</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>non terminé en %1&#xa0;s</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>seul https est autorisé</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>statut HTTP %1 sans nouvelle adresse</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>trop de redirections</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>redirection vers %1 refusée</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>plus de %1&#xa0;octets</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>statut HTTP %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>écriture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>le contenu est compressé (%1) sans que cela ait été demandé</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>la réponse est vide</translation>
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
        <translation>Retour</translation>
    </message>
    <message>
        <source>Video Address</source>
        <translation>Adresse de la vidéo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>AVERTISSEMENT&#xa0;: vous devez indiquer une adresse YouTube valide pour continuer</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>Afficher les formats de la vidéo à cette adresse</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Traiter</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>Collez l’adresse d’une vidéo YouTube</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>L’adresse de la vidéo YouTube à télécharger, puis appuyez sur Entrée</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>En attente des serveurs de publication qui envoient les versions actuelles de yt-dlp et de Deno. Avec une connexion lente, cela peut prendre quelques minutes.</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>Saisissez le début sous la forme m:ss ou h:mm:ss, par exemple 1:05.</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>Saisissez la fin sous la forme m:ss ou h:mm:ss, par exemple 2:30.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>La fin doit venir après le début.</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>La vidéo ne dure que %1.</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>Télécharger un extrait</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Début :</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Fin :</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>Vidéo &amp;entière</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>Extrait de la vidéo à télécharger, sous la forme m:ss ou h:mm:ss :</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>Fusion de la vidéo et du son…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>encore %1</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Un téléchargement est en cours. L’arrêter et quitter&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>Ouvrir le fichier</translation>
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
        <translation>Identifiant de la machine</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>L’identifiant de cet ordinateur&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>ThumbnailView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniature</translation>
    </message>
</context>
<context>
    <name>ToolError</name>
    <message>
        <source>This video is private: only people its owner invited can watch it. Choose another video.</source>
        <translation>Cette vidéo est privée&#xa0;: seules les personnes invitées par son propriétaire peuvent la voir. Choisissez une autre vidéo.</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>Cette vidéo n’est pas disponible dans votre pays.</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>Ce direct ou cette première n’a pas encore commencé. Réessayez une fois qu’il aura débuté.</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>Cette vidéo a été supprimée ou n’est pas disponible. Vérifiez l’adresse.</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>Le site est injoignable. Vérifiez la connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>Le site refuse la demande pour le moment. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Cette vidéo est réservée aux membres payants de la chaîne. Si vous en êtes, connectez-vous au site dans votre navigateur et choisissez ce navigateur sous «&#xa0;Utiliser les cookies de&#xa0;» dans le menu (clic droit dans la fenêtre).</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Cette vidéo est soumise à une limite d’âge et n’est montrée qu’aux adultes connectés. Connectez-vous au site dans votre navigateur et choisissez ce navigateur sous «&#xa0;Utiliser les cookies de&#xa0;» dans le menu (clic droit dans la fenêtre).</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>Le site demande de se connecter pour confirmer que vous n’êtes pas un robot. Choisissez sous «&#xa0;Utiliser les cookies de&#xa0;» dans le menu (clic droit dans la fenêtre) un navigateur où vous êtes connecté, ou réessayez plus tard.</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>Cette vidéo ne propose aucun format à télécharger</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>Impossible de lire le titre et la durée de la vidéo</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>Vérifiez l’adresse et la connexion Internet, puis réessayez.</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>Impossible de lire la durée de la vidéo</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>Réessayez. Si cela se reproduit, mettez à jour l’outil de téléchargement avec «&#xa0;Mettre à jour manuellement&#xa0;» dans le menu.</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>L’outil de téléchargement s’est arrêté en lisant le titre de la vidéo</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>L’outil de téléchargement s’est arrêté en listant les formats</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>L’outil de téléchargement s’est arrêté pendant le téléchargement</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>Choisissez à nouveau le format pour recommencer le téléchargement.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>Impossible de lire la liste des formats de la vidéo</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>Impossible de démarrer l’outil de téléchargement</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>Réinstallez le programme&#xa0;: son outil de téléchargement manque ou ne peut pas être lancé.</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Le téléchargement a échoué</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>Réessayez ou choisissez un autre format.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>Impossible d’obtenir la liste des formats de la vidéo</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>Vérifiez la connexion Internet, puis réessayez.</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Une erreur s’est produite</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Réessayez.</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Les cookies du navigateur n’ont pas pu être lus&#xa0;: aucun profil de ce navigateur n’a été trouvé. Lancez ce navigateur une fois et connectez-vous au site, ou choisissez un autre navigateur ou «&#xa0;Aucun&#xa0;» sous «&#xa0;Utiliser les cookies de&#xa0;» dans le menu (clic droit dans la fenêtre).</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>Le site ne propose plus le format choisi. Revenez en arrière et choisissez-en un autre.</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>Une partie de la vidéo n’a pas pu être récupérée sur le site. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Le site a changé d’une façon que ce yt-dlp ne sait pas encore suivre. Réessayez dans un jour ou deux, ou choisissez « Nightly » sous « Canal de yt-dlp » dans le menu.</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Le site n’a proposé aucun format de cette vidéo que yt-dlp sache lire. Réessayez dans un jour ou deux, ou choisissez « Nightly » sous « Canal de yt-dlp » dans le menu.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>Le site a refusé la demande pour l’instant. Réessayez plus tard, ou utilisez les cookies d’un navigateur connecté.</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>La version nightly %1 de yt-dlp a été installée et le téléchargement relancé ; le site le refuse toujours.</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>yt-dlp %1 a été installé et le téléchargement relancé ; le site le refuse toujours.</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>Clipmoor n’a pas trouvé de yt-dlp plus récent que celui qu’il a.</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>Clipmoor a redemandé la vidéo au site ; le site la refuse toujours.</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>Le site n’a pas accepté la connexion de %1, dont les cookies ont été utilisés : elle a peut-être expiré. Reconnectez-vous au site dans %1, puis réessayez.</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>Le site a refusé le lien enregistré ; nouvelle demande…</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>Recherche d’un yt-dlp plus récent…</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>Mise à jour de yt-dlp vers %1…</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>Essai de la version nightly de yt-dlp…</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>Vérifiez l’adresse ou réessayez plus tard.</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>Mise à jour impossible. Veuillez contacter l’assistance</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>Clipmoor a bien été mis à jour</translation>
    </message>
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>Aucune mise à jour disponible
Vous avez la version actuelle</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>Une mise à jour est disponible
Cliquez sur le bouton ci-dessous pour l’installer</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>METTRE À JOUR</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>Une mise à jour est disponible
Mettez à jour %1 avec le gestionnaire de paquets</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>Erreur réseau</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Erreur du serveur</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>Le serveur a renvoyé du HTML au lieu du fichier</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>Impossible d’ouvrir le fichier %1 en écriture&#xa0;: %2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>Statut HTTP&#xa0;: %1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>Le programme d’installation téléchargé %1 ne correspond pas à sa somme de contrôle SHA-256 publiée</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1. 

Adresse&#xa0;: %2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>Le serveur de mises à jour n’a pas répondu dans les %1 secondes</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>Les informations de mise à jour dépassent %1&#xa0;octets</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>Erreur de lecture JSON</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>Erreur de téléchargement JSON</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>Erreur du programme d’installation</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>Erreur de dossier de destination</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>L’adresse du programme d’installation %1 n’est pas une adresse http ou https</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>Impossible de créer le dossier de destination&#xa0;: %1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>L’adresse du programme d’installation %1 ne désigne aucun fichier à enregistrer</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>Le programme d’installation %1 ne correspond pas à sa somme de contrôle SHA-256 publiée</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>Nous essayons de télécharger et d’installer la mise à jour, mais quelque chose la bloque sur votre ordinateur.

Fermez cette fenêtre, vérifiez si un antivirus ou un anti-logiciel malveillant est en cours d’exécution et désactivez-le temporairement. Relancez ensuite la mise à jour.</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>ERREUR MAJ&#xa0;: %1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>Programme d’installation déjà téléchargé</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>Le fichier d’installation existe déjà&#xa0;:
%1

Voulez-vous lancer le programme d’installation existant ou le télécharger à nouveau&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>Lancer l’installation</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Télécharger à nouveau</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>La mise à jour a été téléchargée</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>La mise à jour a été téléchargée dans votre dossier Téléchargements&#xa0;:
%1

%2 va maintenant se fermer et le programme d’installation vous guidera pendant la mise à jour</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>Lancer l’installation moi-même</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Téléchargement annulé</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>Le téléchargement a été annulé par l’utilisateur.</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>Mise à jour de %1</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>Nous essayons de télécharger et d’appliquer la mise à jour, mais un problème est survenu en chemin.

Veuillez fermer cette fenêtre, vérifier la connexion Internet et l’espace libre dans votre dossier Téléchargements, puis relancer la mise à jour.</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>Nous vous conseillons vivement
de désactiver temporairement
votre antivirus avant de lancer
la mise à jour</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>Le programme se ferme au
lancement de la mise à jour&#xa0;:
laissez d’abord finir un
téléchargement en cours</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>(version actuelle&#xa0;: %1)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Un outil simple pour télécharger des vidéos YouTube une à une.</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>Mettre à jour manuellement</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>Journalisation activée</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>Changer l’échelle</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>Afficher l’UUID</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>%1 version&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>mettre à jour cette application comme une version donnée</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>afficher l’UID</translation>
    </message>
</context>
</TS>
