<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <source>Back to the Formats</source>
        <translation>Retour aux formats</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Téléchargement : </translation>
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
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Un outil simple pour télécharger des vidéos YouTube une à une.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>AVERTISSEMENT : vous devez indiquer une adresse YouTube valide pour continuer</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>| %1 sec.</source>
        <translation>| %1 s</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>&lt;h3&gt;ERROR:&lt;/h3&gt;%1&lt;hr&gt;&lt;i&gt;Code: #0x%2&lt;/i&gt;</source>
        <translation>&lt;h3&gt;ERREUR :&lt;/h3&gt;%1&lt;hr&gt;&lt;i&gt;Code : #0x%2&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Cannot request metadata</source>
        <translation>Impossible d’obtenir les informations de la vidéo</translation>
    </message>
    <message>
        <source>crash exit on metadata request</source>
        <translation>arrêt brutal pendant la demande des informations de la vidéo</translation>
    </message>
    <message>
        <source>crash exit on formats request</source>
        <translation>arrêt brutal pendant la demande des formats</translation>
    </message>
    <message>
        <source>crash exit at downloading process</source>
        <translation>arrêt brutal pendant le téléchargement</translation>
    </message>
    <message>
        <source>format count error</source>
        <translation>erreur dans le nombre de formats</translation>
    </message>
    <message>
        <source>the downloader could not be started</source>
        <translation>l’outil de téléchargement n’a pas pu être lancé</translation>
    </message>
    <message>
        <source>download failed</source>
        <translation>échec du téléchargement</translation>
    </message>
    <message>
        <source>indefinite</source>
        <translation>indéterminé</translation>
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
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>%1 version : %2</translation>
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
        <source>formats request failed</source>
        <translation>échec de la demande des formats</translation>
    </message>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Un téléchargement est en cours. L’arrêter et quitter ?</translation>
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
