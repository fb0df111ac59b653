<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CloseQuestion</name>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Do you want to save the changes ?</source>
        <translation>Voulez-vous enregistrer les modifications ?</translation>
    </message>
</context>
<context>
    <name>ComSettingDialog</name>
    <message>
        <source>COM Setting</source>
        <translation>Réglage COM</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>LanguageTexts</name>
    <message>
        <source>Auto Connect to STB</source>
        <translation>Connexion automatique au récepteur</translation>
    </message>
    <message>
        <source>Connect to STB</source>
        <translation>Connexion au récepteur</translation>
    </message>
    <message>
        <source>Disconnect to STB</source>
        <translation>Déconnexion du récepteur</translation>
    </message>
    <message>
        <source>Port Setup</source>
        <translation>Réglage du port</translation>
    </message>
    <message>
        <source>Send to the STB</source>
        <translation>Envoyer au récepteur</translation>
    </message>
    <message>
        <source>Receive from the STB</source>
        <translation>Recevoir du récepteur</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>The selected file is not acceptable.</source>
        <translation>Le fichier choisi n&apos;est pas utilisable.</translation>
    </message>
    <message>
        <source>Now trying connect to STB. Please wait.</source>
        <translation>Connexion au récepteur en cours. Veuillez patienter.</translation>
    </message>
    <message>
        <source>Now erasing the flash. Please wait.</source>
        <translation>Effacement de la mémoire flash. Veuillez patienter.</translation>
    </message>
    <message>
        <source>Now writting the flash. Do NOT power off the STB.</source>
        <translation>Écriture de la mémoire flash. N&apos;éteignez PAS le récepteur.</translation>
    </message>
    <message>
        <source>The file is not selected.</source>
        <translation>Aucun fichier n&apos;est choisi.</translation>
    </message>
    <message>
        <source>Can&apos;t open the file.</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Error occurred... Please check the displayed message of the STB</source>
        <translation>Une erreur s&apos;est produite. Vérifiez le message affiché par le récepteur.</translation>
    </message>
    <message>
        <source>If the &apos;Loader&apos; message is displayed on the front panel, then press the OK button.</source>
        <translation>Quand la façade affiche &apos;Loader&apos;, appuyez sur OK.</translation>
    </message>
    <message>
        <source>Connected with the monitor</source>
        <translation>Connecté au moniteur</translation>
    </message>
    <message>
        <source>Try to connect with the monitor</source>
        <translation>Tentative de connexion au moniteur</translation>
    </message>
    <message>
        <source>Reset your STB(s).</source>
        <translation>Redémarrez le récepteur.</translation>
    </message>
    <message>
        <source>What do you want to receive from the STB?</source>
        <translation>Que voulez-vous recevoir du récepteur ?</translation>
    </message>
    <message>
        <source>Force Mode</source>
        <translation>Mode forcé</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recevoir</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Searching COM port.. Please Wait!</source>
        <translation>Recherche du port COM. Veuillez patienter !</translation>
    </message>
</context>
<context>
    <name>LoaderControls</name>
    <message>
        <source>Connect Status</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Serial Setting</source>
        <translation>Réglage série</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>New File</source>
        <translation>Nouveau fichier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>COM Setting</source>
        <translation>Réglage COM</translation>
    </message>
    <message>
        <source>Auto Connect</source>
        <translation>Connexion automatique</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Upload to STB</source>
        <translation>Envoyer au récepteur</translation>
    </message>
    <message>
        <source>Download to PC</source>
        <translation>Recevoir sur le PC</translation>
    </message>
    <message>
        <source>Editor Config</source>
        <translation>Réglages de l&apos;éditeur</translation>
    </message>
    <message>
        <source>STB Config</source>
        <translation>Réglages du récepteur</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Toutes les chaînes</translation>
    </message>
    <message>
        <source>Tuner 1 channels</source>
        <translation>Chaînes tuner 1</translation>
    </message>
    <message>
        <source>Tuner 2 channels</source>
        <translation>Chaînes tuner 2</translation>
    </message>
    <message>
        <source>FTA channels</source>
        <translation>Chaînes en clair</translation>
    </message>
    <message>
        <source>Scramble channels</source>
        <translation>Chaînes cryptées</translation>
    </message>
    <message>
        <source>Copy T1 to T2</source>
        <translation>Copier T1 vers T2</translation>
    </message>
    <message>
        <source>Copy T2 to T1</source>
        <translation>Copier T2 vers T1</translation>
    </message>
    <message>
        <source>Merge T1 and T2</source>
        <translation>Fusionner T1 et T2</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Copy channels from T1 to T2</source>
        <translation>Copier les chaînes de T1 vers T2</translation>
    </message>
    <message>
        <source>Merge channels T1 and T2</source>
        <translation>Fusionner les chaînes de T1 et T2</translation>
    </message>
    <message>
        <source>Editor Configuration</source>
        <translation>Réglages de l&apos;éditeur</translation>
    </message>
    <message>
        <source>STB Configuration</source>
        <translation>Réglages du récepteur</translation>
    </message>
    <message>
        <source>Display All channels</source>
        <translation>Afficher toutes les chaînes</translation>
    </message>
    <message>
        <source>Display Tuner1 Channels</source>
        <translation>Afficher les chaînes du tuner 1</translation>
    </message>
    <message>
        <source>Display Tuner2 channels</source>
        <translation>Afficher les chaînes du tuner 2</translation>
    </message>
    <message>
        <source>Display Free channels</source>
        <translation>Afficher les chaînes en clair</translation>
    </message>
    <message>
        <source>Display Scrambled channels</source>
        <translation>Afficher les chaînes cryptées</translation>
    </message>
    <message>
        <source>Copy channels from T2 to T1</source>
        <translation>Copier les chaînes de T2 vers T1</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Editor COM Configuration</source>
        <translation>Réglage COM de l&apos;éditeur</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>Fichier(&amp;F)</translation>
    </message>
    <message>
        <source>Tools(&amp;T)</source>
        <translation>Outils(&amp;O)</translation>
    </message>
    <message>
        <source>Connect Status</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Channel(&amp;C)</source>
        <translation>Chaîne(&amp;C)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>À propos(&amp;A)</translation>
    </message>
    <message>
        <source>Apply Order from Reference List...</source>
        <translation>Appliquer l&apos;ordre d&apos;une liste de référence...</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>Comparer avec un fichier...</translation>
    </message>
    <message>
        <source>Restore Receiver Backup...</source>
        <translation>Restaurer la sauvegarde du récepteur...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Find Duplicates...</source>
        <translation>Rechercher les doublons...</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>Édition(&amp;E)</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>PaneMenus</name>
    <message>
        <source>View sorted by</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Transponder	Ins</source>
        <translation>Transpondeur	Ins</translation>
    </message>
    <message>
        <source>TV Channel on this transponder	T</source>
        <translation>Chaîne TV sur ce transpondeur	T</translation>
    </message>
    <message>
        <source>Radio Channel on this transponder	R</source>
        <translation>Chaîne radio sur ce transpondeur	R</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete all empty transponder</source>
        <translation>Supprimer les transpondeurs vides</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Channel Radio</source>
        <translation>Chaîne radio</translation>
    </message>
    <message>
        <source>Channel TV</source>
        <translation>Chaîne TV</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Déplacer vers</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>All free</source>
        <translation>Toutes en clair</translation>
    </message>
    <message>
        <source>All scrambled</source>
        <translation>Toutes cryptées</translation>
    </message>
    <message>
        <source>All locked</source>
        <translation>Toutes verrouillées</translation>
    </message>
    <message>
        <source>All tuner 1</source>
        <translation>Toutes tuner 1</translation>
    </message>
    <message>
        <source>All tuner 2</source>
        <translation>Toutes tuner 2</translation>
    </message>
    <message>
        <source>All skipped</source>
        <translation>Toutes ignorées</translation>
    </message>
    <message>
        <source>Copy	Ctrl+C</source>
        <translation>Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste	Ctrl+V</source>
        <translation>Coller	Ctrl+V</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Placer en tête</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Placer en fin</translation>
    </message>
    <message>
        <source>Add to Favourite</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>FAV %1 (%2)</source>
        <translation>FAV %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SerialDevicesGroup</name>
    <message>
        <source>present</source>
        <translation>présent</translation>
    </message>
    <message>
        <source>no permission (group %1)</source>
        <translation>pas autorisé (groupe %1)</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>Serial Devices</source>
        <translation>Périphériques série</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>Leave empty to keep the port&apos;s device</source>
        <translation>Laisser vide pour garder le périphérique du port</translation>
    </message>
    <message>
        <source>Device for the port</source>
        <translation>Périphérique du port</translation>
    </message>
</context>
</TS>
