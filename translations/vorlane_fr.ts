<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ApplyOrderDialog</name>
    <message>
        <source>Also copy favourite groups and their names</source>
        <translation>Copier aussi les groupes de favoris et leurs noms</translation>
    </message>
    <message>
        <source>Apply Order from Reference List</source>
        <translation>Appliquer l&apos;ordre d&apos;une liste de référence</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Reference List</source>
        <translation>Liste de référence</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>AvPage</name>
    <message>
        <source>TV Output Type</source>
        <translation>Norme TV</translation>
    </message>
    <message>
        <source>TV Screen Type</source>
        <translation>Format d&apos;écran</translation>
    </message>
    <message>
        <source>Video Output</source>
        <translation>Sortie vidéo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>RF Output</source>
        <translation>Sortie RF</translation>
    </message>
    <message>
        <source>RF(UHF) Channel No</source>
        <translation>Canal RF (UHF)</translation>
    </message>
    <message>
        <source>Audio Volume</source>
        <translation>Volume audio</translation>
    </message>
</context>
<context>
    <name>ChannelDialog</name>
    <message>
        <source>Channel Property</source>
        <translation>Propriétés de la chaîne</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satellite :</translation>
    </message>
    <message>
        <source>Transponder :</source>
        <translation>Transpondeur :</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillée</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Cryptée</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorée</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Program ID</source>
        <translation>ID programme</translation>
    </message>
    <message>
        <source>V PID</source>
        <translation>PID V</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>TTX PID</source>
        <translation>PID TTX</translation>
    </message>
    <message>
        <source>AC3 PID</source>
        <translation>PID AC3</translation>
    </message>
    <message>
        <source>PMT PID</source>
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>A PID</source>
        <translation>PID A</translation>
    </message>
    <message>
        <source>Tuner Number</source>
        <translation>Tuner</translation>
    </message>
</context>
<context>
    <name>ChannelListingPages</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Tuner %1 - %2 channels</source>
        <translation>Tuner %1 - chaînes %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>ChoiceItems</name>
    <message>
        <source>Tuner 1</source>
        <translation>Tuner 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Tuner 2</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>EST</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>OUEST</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universel</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>2 port</source>
        <translation>2 ports</translation>
    </message>
    <message>
        <source>4 port</source>
        <translation>4 ports</translation>
    </message>
    <message>
        <source>8 port</source>
        <translation>8 ports</translation>
    </message>
    <message>
        <source>16 port</source>
        <translation>16 ports</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Separate</source>
        <translation>Séparé</translation>
    </message>
    <message>
        <source>Loop Through</source>
        <translation>En boucle</translation>
    </message>
    <message>
        <source>Dual Mode</source>
        <translation>Mode double</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Pan&amp;Scan</source>
        <translation>Pan&amp;Scan</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvégien</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovène</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Korea</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persan</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latin</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengali</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamoul</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovaque</translation>
    </message>
    <message>
        <source>Makasar</source>
        <translation>Makassar</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainien</translation>
    </message>
    <message>
        <source>Separated</source>
        <translation>Séparé</translation>
    </message>
    <message>
        <source>Dual (Same)</source>
        <translation>Double (identique)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Extra Small</source>
        <translation>Très petite</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>After 1 mins</source>
        <translation>Après 1 min</translation>
    </message>
    <message>
        <source>After 10 mins</source>
        <translation>Après 10 min</translation>
    </message>
    <message>
        <source>After 30 mins</source>
        <translation>Après 30 min</translation>
    </message>
    <message>
        <source>After 60 mins</source>
        <translation>Après 60 min</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
</context>
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
    <name>CompareWindow</name>
    <message>
        <source>Compare with %1</source>
        <translation>Comparaison avec %1</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DownloadChoiceDialog</name>
    <message>
        <source>Main Software</source>
        <translation>Logiciel principal</translation>
    </message>
    <message>
        <source>Pre-setting</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaînes</translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Find Duplicates</source>
        <translation>Rechercher les doublons</translation>
    </message>
    <message>
        <source>Remove Checked</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Merge Transponders</source>
        <translation>Fusionner les transpondeurs</translation>
    </message>
    <message>
        <source>Groups of duplicate channels: %1; of duplicate transponders: %2</source>
        <translation>Groupes de chaînes en double : %1 ; de transpondeurs en double : %2</translation>
    </message>
    <message>
        <source>Tuner %1 %2: keeps %3</source>
        <translation>Tuner %1 %2 : garde %3</translation>
    </message>
</context>
<context>
    <name>EditDocument</name>
    <message>
        <source>Edit</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>EditLabels</name>
    <message>
        <source>Add 1 channel to favourites</source>
        <translation>Ajouter 1 chaîne aux favoris</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channels to favourites</source>
        <translation>
            <numerusform>Ajouter %n chaîne aux favoris</numerusform>
            <numerusform>Ajouter %n chaînes aux favoris</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete 1 channel</source>
        <translation>Supprimer 1 chaîne</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels</source>
        <translation>
            <numerusform>Supprimer %n chaîne</numerusform>
            <numerusform>Supprimer %n chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 channel</source>
        <translation>Déplacer 1 chaîne</translation>
    </message>
    <message numerus="yes">
        <source>Move %n channels</source>
        <translation>
            <numerusform>Déplacer %n chaîne</numerusform>
            <numerusform>Déplacer %n chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 channel to transponder</source>
        <translation>Déplacer 1 chaîne vers le transpondeur</translation>
    </message>
    <message numerus="yes">
        <source>Move %n channels to transponder</source>
        <translation>
            <numerusform>Déplacer %n chaîne vers le transpondeur</numerusform>
            <numerusform>Déplacer %n chaînes vers le transpondeur</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove 1 channel from favourites</source>
        <translation>Retirer 1 chaîne des favoris</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n channels from favourites</source>
        <translation>
            <numerusform>Retirer %n chaîne des favoris</numerusform>
            <numerusform>Retirer %n chaînes des favoris</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove 1 duplicate channel</source>
        <translation>Supprimer 1 chaîne en double</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate channels</source>
        <translation>
            <numerusform>Supprimer %n chaîne en double</numerusform>
            <numerusform>Supprimer %n chaînes en double</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorConfigDialog</name>
    <message>
        <source>Editor Configuration</source>
        <translation>Réglages de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Display Setting</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Column width</source>
        <translation>Largeur de colonne</translation>
    </message>
    <message>
        <source>Color Setting</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>Couleurs par défaut</translation>
    </message>
    <message>
        <source>Keep a backup when saving</source>
        <translation>Garder une sauvegarde à l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Active Satellite</source>
        <translation>Satellite actif</translation>
    </message>
    <message>
        <source>Active TR</source>
        <translation>TP actif</translation>
    </message>
    <message>
        <source>Channel Index</source>
        <translation>Index de chaîne</translation>
    </message>
    <message>
        <source>Favorite Channel</source>
        <translation>Chaîne favorite</translation>
    </message>
    <message>
        <source>Scrambled Text</source>
        <translation>Texte crypté</translation>
    </message>
    <message>
        <source>Lock Text</source>
        <translation>Texte verrouillé</translation>
    </message>
    <message>
        <source>Satellite Line</source>
        <translation>Ligne de satellite</translation>
    </message>
    <message>
        <source>Transponder Line</source>
        <translation>Ligne de transpondeur</translation>
    </message>
    <message>
        <source>Channel Line</source>
        <translation>Ligne de chaîne</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Crypté</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrou</translation>
    </message>
</context>
<context>
    <name>EtcPage</name>
    <message>
        <source>Base longitude</source>
        <translation>Longitude du site</translation>
    </message>
    <message>
        <source>Base latitude</source>
        <translation>Latitude du site</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Please enter a number between -%1 and %2.</source>
        <translation>Veuillez saisir un nombre entre -%1 et %2.</translation>
    </message>
</context>
<context>
    <name>FavNamePage</name>
    <message>
        <source>Favorite name %1</source>
        <translation>Nom du favori %1</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Find Continue - &quot;F3&quot;</source>
        <translation>Rechercher la suite - &quot;F3&quot;</translation>
    </message>
    <message>
        <source>Find what :</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Match whole word only</source>
        <translation>Mot entier uniquement</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FrameFileCommands</name>
    <message>
        <source>Clear all data ?</source>
        <translation>Effacer toutes les données ?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Do you want to save the changes ?</source>
        <translation>Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Are you sure Save?</source>
        <translation>Enregistrer vraiment ?</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>The backup %1 could not be written, so the file was not saved.</source>
        <translation>La sauvegarde %1 n&apos;a pas pu être écrite ; le fichier n&apos;a donc pas été enregistré.</translation>
    </message>
    <message>
        <source>Readable files (*.bin *.sdx *.dat);;Bin files (*.bin);;Satcodx files (*.sdx);;Lyngsat files (*.dat);;All files (*)</source>
        <translation>Fichiers lisibles (*.bin *.sdx *.dat);;Fichiers Bin (*.bin);;Fichiers Satcodx (*.sdx);;Fichiers Lyngsat (*.dat);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Bin files (*.bin)</source>
        <translation>Fichiers Bin (*.bin)</translation>
    </message>
    <message>
        <source>TEXT files (*.txt);;CSV (*.csv)</source>
        <translation>Fichiers texte (*.txt);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Complete to write file.</source>
        <translation>Le fichier a été écrit.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Impossible d&apos;écrire le fichier.</translation>
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
        <source>Error Opening Write source file &lt;%1&gt;</source>
        <translation>Erreur à l&apos;ouverture du fichier de destination &lt;%1&gt;</translation>
    </message>
    <message numerus="yes">
        <source>%n records did not fit into the tables and were left out.</source>
        <translation>
            <numerusform>%n enregistrement n&apos;a pas tenu dans les tables et a été omis.</numerusform>
            <numerusform>%n enregistrements n&apos;ont pas tenu dans les tables et ont été omis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels came before any transponder of their satellite and were left out.</source>
        <translation>
            <numerusform>%n chaîne venait avant tout transpondeur de son satellite et a été omise.</numerusform>
            <numerusform>%n chaînes venaient avant tout transpondeur de leur satellite et ont été omises.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FrameListToolCommands</name>
    <message>
        <source>Apply Order from Reference List</source>
        <translation>Appliquer l&apos;ordre d&apos;une liste de référence</translation>
    </message>
    <message>
        <source>%1 channels matched, %2 unmatched.</source>
        <translation>%1 chaînes appariées, %2 non appariées.</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Merge Transponders</source>
        <translation>Fusionner les transpondeurs</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Appliquer l&apos;ordre</translation>
    </message>
</context>
<context>
    <name>FrameToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>FrameTunerCommands</name>
    <message>
        <source>Channel Copy : T%1 -&gt; T%2

[%3] channels copy Complete</source>
        <translation>Copie des chaînes : T%1 -&gt; T%2

[%3] chaînes copiées</translation>
    </message>
    <message>
        <source>Merge channel : T1 and T2

[%1] channels Merge Complete</source>
        <translation>Fusion des chaînes : T1 et T2

[%1] chaînes fusionnées</translation>
    </message>
    <message>
        <source>Channel Copy  T%1 to T%2</source>
        <translation>Copie des chaînes  T%1 vers T%2</translation>
    </message>
    <message>
        <source>Copy T%1 to T%2</source>
        <translation>Copier T%1 vers T%2</translation>
    </message>
    <message>
        <source>Channel Merge  T1 and T2</source>
        <translation>Fusion des chaînes  T1 et T2</translation>
    </message>
    <message>
        <source>Merge T1 and T2</source>
        <translation>Fusionner T1 et T2</translation>
    </message>
</context>
<context>
    <name>IntegrityCheck</name>
    <message>
        <source>channel %1 tuner %2</source>
        <translation>chaîne %1 tuner %2</translation>
    </message>
    <message>
        <source>satellite link names slot %1, outside the satellite table</source>
        <translation>le lien satellite désigne l&apos;emplacement %1, hors de la table des satellites</translation>
    </message>
    <message>
        <source>transponder link names slot %1, outside the transponder table</source>
        <translation>le lien transpondeur désigne l&apos;emplacement %1, hors de la table des transpondeurs</translation>
    </message>
    <message>
        <source>transponder link names free transponder %1</source>
        <translation>le lien transpondeur désigne le transpondeur libre %1</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>transpondeur %1</translation>
    </message>
    <message>
        <source>database</source>
        <translation>base de données</translation>
    </message>
    <message>
        <source>has no tables</source>
        <translation>n&apos;a pas de tables</translation>
    </message>
    <message>
        <source>favourite group %1</source>
        <translation>groupe favori %1</translation>
    </message>
    <message>
        <source>list kind %1 head %2</source>
        <translation>liste de type %1 tête %2</translation>
    </message>
    <message>
        <source>PK %1 not present on its tuner</source>
        <translation>PK %1 absent de son tuner</translation>
    </message>
    <message>
        <source>PK %1 has type %2</source>
        <translation>PK %1 est de type %2</translation>
    </message>
    <message>
        <source>PK %1 on the wrong tuner</source>
        <translation>PK %1 sur le mauvais tuner</translation>
    </message>
    <message>
        <source>PK %1 link side bit differs from its PK</source>
        <translation>PK %1 : le bit de côté du lien diffère de son PK</translation>
    </message>
    <message>
        <source>PK %1 outside the table</source>
        <translation>PK %1 hors de la table</translation>
    </message>
    <message>
        <source>PK %1 names a free record</source>
        <translation>PK %1 désigne un enregistrement libre</translation>
    </message>
    <message>
        <source>PK %1 link index %2</source>
        <translation>PK %1 indice de lien %2</translation>
    </message>
    <message>
        <source>PK %1 node link %2 but record field %3</source>
        <translation>PK %1 lien du nœud %2 mais champ de l&apos;enregistrement %3</translation>
    </message>
    <message>
        <source>kind or width of the head wrong</source>
        <translation>type ou largeur de la tête incorrect</translation>
    </message>
    <message>
        <source>node chain does not end</source>
        <translation>la chaîne de nœuds ne se termine pas</translation>
    </message>
    <message>
        <source>node %1 badly linked</source>
        <translation>nœud %1 mal chaîné</translation>
    </message>
    <message>
        <source>PK %1 of tuner 1 after tuner 2&apos;s entries</source>
        <translation>PK %1 du tuner 1 après les entrées du tuner 2</translation>
    </message>
    <message>
        <source>PK %1 key %2, expected %3</source>
        <translation>PK %1 clé %2, attendu %3</translation>
    </message>
    <message>
        <source>last node pointer wrong</source>
        <translation>pointeur du dernier nœud incorrect</translation>
    </message>
    <message>
        <source>count %1 but %2 nodes</source>
        <translation>nombre %1 mais %2 nœuds</translation>
    </message>
    <message>
        <source>holds %1 entries but %2 records belong in it</source>
        <translation>contient %1 entrées mais %2 enregistrements lui appartiennent</translation>
    </message>
    <message>
        <source>list kind %1</source>
        <translation>liste de type %1</translation>
    </message>
    <message>
        <source>has no heads</source>
        <translation>n&apos;a pas de têtes</translation>
    </message>
</context>
<context>
    <name>IntegrityQuestion</name>
    <message numerus="yes">
        <source>The data has %n problem(s):
</source>
        <translation>
            <numerusform>Les données présentent %n problème :
</numerusform>
            <numerusform>Les données présentent %n problèmes :
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more
</source>
        <translation>
            <numerusform>... et %n autre
</numerusform>
            <numerusform>... et %n autres
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LabelPanes</name>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Menu Language</source>
        <translation>Langue des menus</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Langue audio</translation>
    </message>
    <message>
        <source>Subtitle Language</source>
        <translation>Langue des sous-titres</translation>
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
    <name>ListCompare</name>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>polarisation</source>
        <translation>polarisation</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>débit de symboles</translation>
    </message>
    <message>
        <source>program number</source>
        <translation>numéro de programme</translation>
    </message>
    <message>
        <source>PMT PID</source>
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>PID vidéo</translation>
    </message>
    <message>
        <source>audio PID %1</source>
        <translation>PID audio %1</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>teletext PID</source>
        <translation>PID télétexte</translation>
    </message>
    <message>
        <source>AC3 PID</source>
        <translation>PID AC3</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>crypté</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>verrouillé</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignoré</translation>
    </message>
    <message>
        <source>Tuner %1 %2</source>
        <translation>Tuner %1 %2</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 renamed, %4 moved, %5 changed</source>
        <translation>%1 ajoutés, %2 supprimés, %3 renommés, %4 déplacés, %5 modifiés</translation>
    </message>
    <message>
        <source>added    %1</source>
        <translation>ajouté     %1</translation>
    </message>
    <message>
        <source>removed  %1</source>
        <translation>supprimé   %1</translation>
    </message>
    <message>
        <source>renamed  %1 -&gt; %2</source>
        <translation>renommé    %1 -&gt; %2</translation>
    </message>
    <message>
        <source>moved    %1 #%2 -&gt; #%3</source>
        <translation>déplacé    %1 #%2 -&gt; #%3</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 -&gt; %3</translation>
    </message>
    <message>
        <source>changed  %1: %2</source>
        <translation>modifié    %1 : %2</translation>
    </message>
    <message>
        <source>The lists are equal.</source>
        <translation>Les listes sont identiques.</translation>
    </message>
    <message>
        <source>%1 (%2 %3, program %4)</source>
        <translation>%1 (%2 %3, programme %4)</translation>
    </message>
</context>
<context>
    <name>LnbPowerPage</name>
    <message>
        <source>Tuner Connect</source>
        <translation>Connexion tuner</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>Alimentation LNB</translation>
    </message>
    <message>
        <source>Power State</source>
        <translation>État d&apos;alimentation</translation>
    </message>
    <message>
        <source>Tuner Select</source>
        <translation>Choix du tuner</translation>
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
    <message>
        <source>Set</source>
        <translation>Appliquer</translation>
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
</context>
<context>
    <name>LoaderDownloadDialog</name>
    <message>
        <source>What do you want to download from the STB?</source>
        <translation>Que voulez-vous télécharger du récepteur ?</translation>
    </message>
</context>
<context>
    <name>LoaderWindowUi</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Upload anyway?</source>
        <translation>Envoyer quand même ?</translation>
    </message>
    <message>
        <source>BIN Files (*.bin)</source>
        <translation>Fichiers BIN (*.bin)</translation>
    </message>
    <message>
        <source>Key Files (*.key)</source>
        <translation>Fichiers de clés (*.key)</translation>
    </message>
    <message>
        <source>ALL Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>LockPage</name>
    <message>
        <source>Age Rating</source>
        <translation>Contrôle parental</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Language Setting</source>
        <translation>Réglage de la langue</translation>
    </message>
    <message>
        <source>Time Setting</source>
        <translation>Réglage de l&apos;heure</translation>
    </message>
    <message>
        <source>Audio/Video Setting</source>
        <translation>Réglage audio/vidéo</translation>
    </message>
    <message>
        <source>Edit Channels</source>
        <translation>Édition des chaînes</translation>
    </message>
    <message>
        <source>Lock Edit Favorites</source>
        <translation>Verrouiller l&apos;édition des favoris</translation>
    </message>
    <message>
        <source>IRD Lock</source>
        <translation>Verrouillage IRD</translation>
    </message>
    <message>
        <source>Lock Installation Menu</source>
        <translation>Verrouiller le menu d&apos;installation</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Verrouillage des chaînes</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Channel editor and loader for the receiver&apos;s channel files.</source>
        <translation>Éditeur de chaînes et chargeur pour les fichiers de chaînes du récepteur.</translation>
    </message>
    <message>
        <source>A channel file to open at start.</source>
        <translation>Un fichier de chaînes à ouvrir au démarrage.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Recent Files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>STB Configuration</source>
        <translation>Réglages du récepteur</translation>
    </message>
    <message>
        <source>Recover unsaved changes from %1?</source>
        <translation>Récupérer les modifications non enregistrées du %1 ?</translation>
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
    <name>MirevoView</name>
    <message>
        <source>INFO</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>Show or hide the radio pane</source>
        <translation>Afficher ou masquer la liste radio</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
</context>
<context>
    <name>MirevoViewCommands</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Transponder contains channels, delete anyway?</source>
        <translation>Le transpondeur contient des chaînes. Supprimer quand même ?</translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Modifier le transpondeur</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nouveau transpondeur</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Supprimer le transpondeur</translation>
    </message>
    <message>
        <source>Delete empty transponders</source>
        <translation>Supprimer les transpondeurs vides</translation>
    </message>
    <message>
        <source>New channel</source>
        <translation>Nouvelle chaîne</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>Modifier la chaîne</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Renommer le groupe de favoris</translation>
    </message>
</context>
<context>
    <name>MirevoViewListSort</name>
    <message>
        <source>Sort List</source>
        <translation>Trier la liste</translation>
    </message>
</context>
<context>
    <name>MoveToDialog</name>
    <message>
        <source>Channel move to</source>
        <translation>Déplacer la chaîne vers</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Numéro de chaîne</translation>
    </message>
</context>
<context>
    <name>MsgOut</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>OsdPage</name>
    <message>
        <source>PIP Screen Size</source>
        <translation>Taille de l&apos;image PIP</translation>
    </message>
    <message>
        <source>OSD Transparency</source>
        <translation>Transparence OSD</translation>
    </message>
    <message>
        <source>Info Box Time-Out</source>
        <translation>Durée du bandeau</translation>
    </message>
    <message>
        <source>Display Volume Indicator</source>
        <translation>Indicateur de volume</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>PaneFilterField</name>
    <message>
        <source>Filter (Ctrl+Shift+F)</source>
        <translation>Filtre (Ctrl+Maj+F)</translation>
    </message>
</context>
<context>
    <name>PaneListView</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
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
    <message>
        <source>Sort List by</source>
        <translation>Trier la liste par</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Program Number</source>
        <translation>Numéro de programme</translation>
    </message>
</context>
<context>
    <name>PvrPage</name>
    <message>
        <source>Hour</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Default Record Time</source>
        <translation>Durée d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Repeat Playing</source>
        <translation>Lecture en boucle</translation>
    </message>
    <message>
        <source>HDD Sleep</source>
        <translation>Veille du disque</translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
</context>
<context>
    <name>RangeCheck</name>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>En</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>%L1 bytes</source>
        <translation>%L1 octets</translation>
    </message>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Restaurer la sauvegarde du récepteur</translation>
    </message>
    <message>
        <source>Upload which copy of the receiver&apos;s channel list?</source>
        <translation>Quelle copie de la liste de chaînes du récepteur envoyer ?</translation>
    </message>
    <message>
        <source>There is no backup of the receiver&apos;s channel list in %1.</source>
        <translation>Il n&apos;y a aucune sauvegarde de la liste de chaînes du récepteur dans %1.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
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
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
</context>
<context>
    <name>SatelliteDialog</name>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Tuner Setting</source>
        <translation>Réglage du tuner</translation>
    </message>
    <message>
        <source>Tuner Number</source>
        <translation>Tuner</translation>
    </message>
    <message>
        <source>Tuner Connet</source>
        <translation>Connexion tuner</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Nom du satellite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Type de LNB</translation>
    </message>
    <message>
        <source>LOF Low</source>
        <translation>LOF basse</translation>
    </message>
    <message>
        <source>LOF Low (User)</source>
        <translation>LOF basse (utilisateur)</translation>
    </message>
    <message>
        <source>LOF High</source>
        <translation>LOF haute</translation>
    </message>
    <message>
        <source>LOF High (User)</source>
        <translation>LOF haute (utilisateur)</translation>
    </message>
    <message>
        <source>Diseqc Type</source>
        <translation>Type DiSEqC</translation>
    </message>
    <message>
        <source>Diseqc Port</source>
        <translation>Port DiSEqC</translation>
    </message>
    <message>
        <source>Diseqc Motor</source>
        <translation>Moteur DiSEqC</translation>
    </message>
    <message>
        <source>0/22 kHz</source>
        <translation>0/22 kHz</translation>
    </message>
    <message>
        <source>12V</source>
        <translation>12V</translation>
    </message>
    <message>
        <source>ToneBurst</source>
        <translation>ToneBurst</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and %1.</source>
        <translation>Veuillez saisir un nombre entre 0 et %1.</translation>
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
<context>
    <name>StbConfigurationDialog</name>
    <message>
        <source>STB Configuration</source>
        <translation>Réglages du récepteur</translation>
    </message>
    <message>
        <source>Langauge</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrou</translation>
    </message>
    <message>
        <source>LNB/Power</source>
        <translation>LNB/Alim.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>PVR</source>
        <translation>PVR</translation>
    </message>
    <message>
        <source>A/V</source>
        <translation>A/V</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>Fav Name</source>
        <translation>Noms favoris</translation>
    </message>
    <message>
        <source>Etc</source>
        <translation>Divers</translation>
    </message>
</context>
<context>
    <name>TimePage</name>
    <message>
        <source>Local Time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Décalage GMT</translation>
    </message>
    <message>
        <source>Time update</source>
        <translation>Mise à jour de l&apos;heure</translation>
    </message>
</context>
<context>
    <name>TransponderDialog</name>
    <message>
        <source>Transponder Property</source>
        <translation>Propriétés du transpondeur</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source> Frequency </source>
        <translation> Fréquence </translation>
    </message>
    <message>
        <source> TS ID </source>
        <translation> ID TS </translation>
    </message>
    <message>
        <source> Polarity </source>
        <translation> Polarisation </translation>
    </message>
    <message>
        <source> FEC </source>
        <translation> FEC </translation>
    </message>
    <message>
        <source>Symbol Rate </source>
        <translation>Débit symbole </translation>
    </message>
</context>
<context>
    <name>UploadSafety</name>
    <message>
        <source>settings pages</source>
        <translation>pages de réglages</translation>
    </message>
    <message>
        <source>satellites/transponders</source>
        <translation>satellites/transpondeurs</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>chaînes</translation>
    </message>
    <message>
        <source>unused sectors</source>
        <translation>secteurs inutilisés</translation>
    </message>
    <message>
        <source>%1 byte differs (%2)</source>
        <translation>%1 octet diffère (%2)</translation>
    </message>
    <message>
        <source>%1 bytes differ (%2)</source>
        <translation>%1 octets diffèrent (%2)</translation>
    </message>
    <message>
        <source>Back up and verify work with channel files only; nothing was uploaded.</source>
        <translation>La sauvegarde et la vérification ne fonctionnent qu&apos;avec des fichiers de chaînes ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>can&apos;t create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>The upload did not start; nothing was uploaded.</source>
        <translation>L&apos;envoi n&apos;a pas commencé ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The connection ended before the upload did.</source>
        <translation>La connexion s&apos;est terminée avant l&apos;envoi.</translation>
    </message>
    <message>
        <source>the receiver did not answer</source>
        <translation>le récepteur n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>The receiver&apos;s channel list could not be backed up; nothing was uploaded.</source>
        <translation>La liste de chaînes du récepteur n&apos;a pas pu être sauvegardée ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The receiver&apos;s channel list could not be backed up (%1); nothing was uploaded.</source>
        <translation>La liste de chaînes du récepteur n&apos;a pas pu être sauvegardée (%1) ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The upload completed, but the channel list could not be read back to verify it.</source>
        <translation>L&apos;envoi est terminé, mais la liste de chaînes n&apos;a pas pu être relue pour la vérifier.</translation>
    </message>
    <message>
        <source>The upload completed, but the channel list could not be read back to verify it (%1).</source>
        <translation>L&apos;envoi est terminé, mais la liste de chaînes n&apos;a pas pu être relue pour la vérifier (%1).</translation>
    </message>
    <message>
        <source>Completed and verified</source>
        <translation>Terminé et vérifié</translation>
    </message>
    <message>
        <source>Verify failed: %1 between the uploaded file and the receiver&apos;s channel list.</source>
        <translation>Échec de la vérification : %1 entre le fichier envoyé et la liste de chaînes du récepteur.</translation>
    </message>
</context>
<context>
    <name>UploadSafetyDialog</name>
    <message>
        <source>Upload Channel File</source>
        <translation>Envoyer le fichier de chaînes</translation>
    </message>
    <message>
        <source>%1 replaces the receiver&apos;s channel list.</source>
        <translation>%1 remplace la liste de chaînes du récepteur.</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s channel list first</source>
        <translation>Sauvegarder d&apos;abord la liste de chaînes du récepteur</translation>
    </message>
    <message>
        <source>Verify after upload</source>
        <translation>Vérifier après l&apos;envoi</translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>%1 - 1 item</source>
        <translation>%1 - 1 élément</translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n items</source>
        <translation>
            <numerusform>%1 - %n élément</numerusform>
            <numerusform>%1 - %n éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - %2 of %n items</source>
        <translation>
            <numerusform>%1 - %2 sur %n élément</numerusform>
            <numerusform>%1 - %2 sur %n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>%1     Longitude: %2 %3&apos;     </source>
        <translation>%1     Longitude : %2 %3&apos;     </translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Frequency : %1     Symbol Rate : %2     TSID : %3     Polar : %4     FEC : %5     </source>
        <translation>Fréquence : %1     Débit symbole : %2     TSID : %3     Polar. : %4     FEC : %5     </translation>
    </message>
    <message>
        <source>%1     Number of channel: %2</source>
        <translation>%1     Nombre de chaînes : %2</translation>
    </message>
    <message>
        <source>%1     Frequency : %2     Polar : %3     SymbolRate : %4     VPID : %5     APID : %6</source>
        <translation>%1     Fréquence : %2     Polar. : %3     Débit symbole : %4     VPID : %5     APID : %6</translation>
    </message>
</context>
</TS>
