<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>Aplanissement automatique</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>Fusionner les pages gauche et droite</translation>
    </message>
    <message>
        <source>Save directly</source>
        <translation>Enregistrer directement</translation>
    </message>
</context>
<context>
    <name>CCameraPreview</name>
    <message>
        <source>Finding device...</source>
        <translation>Recherche de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>Ouverture de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>Vue caméra</translation>
    </message>
</context>
<context>
    <name>CPreConfigBar</name>
    <message>
        <source>Doc</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Id Card</source>
        <translation>Carte d&apos;identité</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Feuille</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livre</translation>
    </message>
</context>
<context>
    <name>CViceCamPreview</name>
    <message>
        <source>Open...</source>
        <translation>Ouverture...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>error 01</source>
        <translation>Erreur 01 : comparaison de visages absente</translation>
    </message>
    <message>
        <source>error 02</source>
        <translation>Erreur 02 : composant caméra absent</translation>
    </message>
    <message>
        <source>error 04</source>
        <translation>Erreur 04 : bibliothèque caméra non prête</translation>
    </message>
    <message>
        <source>error 03</source>
        <translation>Erreur 03 : caméra visage non démarrée</translation>
    </message>
    <message>
        <source>ERROR 05</source>
        <translation>Erreur 05 : pas de caméra visage</translation>
    </message>
    <message>
        <source>No Available Device</source>
        <translation>Aucune caméra disponible</translation>
    </message>
    <message>
        <source>No Available Resolution!</source>
        <translation>Aucune résolution disponible !</translation>
    </message>
    <message>
        <source>Main camera error</source>
        <translation>Erreur de la caméra document</translation>
    </message>
    <message>
        <source>Main Camera is not running</source>
        <translation>La caméra document ne fonctionne pas</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>Aucun visage</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Correspondance :</translation>
    </message>
</context>
<context>
    <name>CameraPage</name>
    <message>
        <source>Devices:</source>
        <translation>Appareils :</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Définition :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité :</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Contraste :</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Saturation :</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>Secteur :</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>Minuterie :</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>Caméra 2</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>Fusion</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>LeftUp</source>
        <translation>Haut G</translation>
    </message>
    <message>
        <source>RightUp</source>
        <translation>Haut D</translation>
    </message>
    <message>
        <source>LeftDown</source>
        <translation>Bas G</translation>
    </message>
    <message>
        <source>RightDown</source>
        <translation>Bas D</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CaptureController</name>
    <message>
        <source>The camera is not running — nothing captured</source>
        <translation>La caméra ne fonctionne pas — rien n&apos;a été capturé</translation>
    </message>
    <message>
        <source>Too many captures are waiting — this one was not taken</source>
        <translation>Trop de captures en attente — celle-ci n&apos;a pas été prise</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>The camera is in use by another program.</source>
        <translation>La caméra est utilisée par un autre programme.</translation>
    </message>
    <message>
        <source>Camera disconnected</source>
        <translation>Caméra déconnectée</translation>
    </message>
    <message>
        <source>Opening camera…</source>
        <translation>Ouverture de la caméra…</translation>
    </message>
</context>
<context>
    <name>Dialog_ImagesOutPut</name>
    <message>
        <source>导出PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>导出Word</source>
        <translation>Exporter en Word</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>请添加需要导出的图片:</source>
        <translation>Ajoutez les images à exporter :</translation>
    </message>
    <message>
        <source>添加需要导出的图片</source>
        <translation>Ajouter des images à exporter</translation>
    </message>
    <message>
        <source>从列表中删除指定图片</source>
        <translation>Retirer les images sélectionnées de la liste</translation>
    </message>
    <message>
        <source>上移位置</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>下移位置</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>清空列表</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>右转图片</source>
        <translation>Faire pivoter l&apos;image</translation>
    </message>
    <message>
        <source>当前文档生成的路径</source>
        <translation>Emplacement du document à créer</translation>
    </message>
    <message>
        <source>改变文件夹</source>
        <translation>Dossier...</translation>
    </message>
    <message>
        <source>将导出的文件保存在其它的位置</source>
        <translation>Enregistrer le document dans un autre dossier</translation>
    </message>
    <message>
        <source>一键生成</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Page %v of %m</source>
        <translation>Page %v sur %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Choisir des images</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</source>
        <translation>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>These pictures could not be turned and are unchanged:</source>
        <translation>Ces images n&apos;ont pas pu être pivotées et restent inchangées :</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Changer de dossier</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Exporter vers Word</translation>
    </message>
    <message>
        <source>Out put to PDF</source>
        <translation>Exporter vers PDF</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>%1 créé</translation>
    </message>
    <message>
        <source>Pictures not turned: %1</source>
        <translation>Images non pivotées : %1</translation>
    </message>
</context>
<context>
    <name>Dialog_Navigate</name>
    <message>
        <source>Dialog</source>
        <translation>Visite guidée</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The list is empty: add the pictures to put into the document.</source>
        <translation>La liste est vide : ajoutez les images à mettre dans le document.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures; the list has %2.</source>
        <translation>Un document contient au plus %1 images ; la liste en compte %2.</translation>
    </message>
    <message>
        <source>The document needs a file name: %1</source>
        <translation>Le document doit avoir un nom de fichier : %1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The picture %1 no longer exists.</source>
        <translation>L&apos;image %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 n&apos;est pas une image lisible.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures.</source>
        <translation>Un document contient au plus %1 images.</translation>
    </message>
    <message>
        <source>A file name is too long, or has characters this system cannot pass on.</source>
        <translation>Un nom de fichier est trop long ou contient des caractères que le système ne peut pas transmettre.</translation>
    </message>
    <message>
        <source>A picture could not be read; it may have changed or been removed.</source>
        <translation>Une image n&apos;a pas pu être lue ; elle a peut-être été modifiée ou supprimée.</translation>
    </message>
    <message>
        <source>The document could not be written: the folder may be read-only or the disk full.</source>
        <translation>Le document n&apos;a pas pu être écrit : le dossier est peut-être en lecture seule ou le disque plein.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Annulé ; aucun document n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The document component could not be loaded.</source>
        <translation>Le composant de document n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>The document could not be created (error %1).</source>
        <translation>Le document n&apos;a pas pu être créé (erreur %1).</translation>
    </message>
</context>
<context>
    <name>DocumentModePage</name>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Auto Cutting</source>
        <translation>Recadrage</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimiser</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Save Directly</source>
        <translation>Sans aperçu</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Scan modes</source>
        <translation>Modes de numérisation</translation>
    </message>
    <message>
        <source>Options of the mode</source>
        <translation>Options du mode</translation>
    </message>
    <message>
        <source>Keep the whole picture, or cut out and straighten the page, improve its colours or turn it grey. Ticked, the box on the right saves every capture at once.</source>
        <translation>Garder l&apos;image entière, ou découper et redresser la page, améliorer ses couleurs ou la passer en gris. Cochée, la case de droite enregistre chaque capture aussitôt.</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Turns the document picture, and the pages saved from it, by a quarter.</source>
        <translation>Tourne l&apos;image du document, et les pages enregistrées à partir d&apos;elle, d&apos;un quart de tour.</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>Click the button or press Space (or Enter on the keypad): the page is processed, saved and listed on the right.</source>
        <translation>Cliquez sur le bouton ou appuyez sur Espace (ou Entrée du pavé numérique) : la page est traitée, enregistrée et listée à droite.</translation>
    </message>
    <message>
        <source>Device, resolution and picture; focus, timed capture and the second camera.</source>
        <translation>Appareil, résolution et image ; mise au point, capture minutée et seconde caméra.</translation>
    </message>
    <message>
        <source>File format and naming, JPG quality, rotation and the watermark. Every change is kept at once.</source>
        <translation>Format et nom des fichiers, qualité JPG, rotation et filigrane. Chaque modification est gardée aussitôt.</translation>
    </message>
    <message>
        <source>The output folder and every saved image.</source>
        <translation>Le dossier de sortie et chaque image enregistrée.</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Choose where captures are saved, or open that folder.</source>
        <translation>Choisissez où les captures sont enregistrées, ou ouvrez ce dossier.</translation>
    </message>
    <message>
        <source>PDF, Word and print</source>
        <translation>PDF, Word et impression</translation>
    </message>
    <message>
        <source>Put the selected images, in the order you choose, into one PDF or Word document, or print them.</source>
        <translation>Mettez les images sélectionnées, dans l&apos;ordre choisi, dans un seul document PDF ou Word, ou imprimez-les.</translation>
    </message>
    <message>
        <source>Saved images</source>
        <translation>Images enregistrées</translation>
    </message>
    <message>
        <source>Every capture, newest last. Click to select, double-click to open, drag into another program, right-click for more.</source>
        <translation>Chaque capture, la plus récente en dernier. Cliquez pour sélectionner, double-cliquez pour ouvrir, glissez vers un autre programme, clic droit pour plus.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>All images, or none.</source>
        <translation>Toutes les images, ou aucune.</translation>
    </message>
    <message>
        <source>Copy and delete</source>
        <translation>Copier et supprimer</translation>
    </message>
    <message>
        <source>Copy the selected files to paste them elsewhere (Ctrl+C), or move them to the trash.</source>
        <translation>Copiez les fichiers sélectionnés pour les coller ailleurs (Ctrl+C), ou mettez-les à la corbeille.</translation>
    </message>
    <message>
        <source>Scan modes and capture</source>
        <translation>Modes et capture</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Click anywhere to continue</source>
        <translation>Cliquez n&apos;importe où pour continuer</translation>
    </message>
    <message>
        <source>Click anywhere to start scanning</source>
        <translation>Cliquez n&apos;importe où pour commencer</translation>
    </message>
    <message>
        <source>%1 for pages, %2 for both sides of a card, %3 to name files after their QR code, %4 to split an open book into two pages.</source>
        <translation>%1 pour les pages, %2 pour les deux faces d&apos;une carte, %3 pour nommer les fichiers d&apos;après leur code QR, %4 pour séparer un livre ouvert en deux pages.</translation>
    </message>
    <message>
        <source>Text recognition</source>
        <translation>Reconnaissance de texte</translation>
    </message>
    <message>
        <source>Reads the text of the selected images into a searchable PDF and a text file.</source>
        <translation>Lit le texte des images sélectionnées dans un PDF consultable et un fichier texte.</translation>
    </message>
</context>
<context>
    <name>HelpTip</name>
    <message>
        <source>Pay attention to light to avoid excessive light or too dark light</source>
        <translation>Attention à la lumière : ni trop forte ni trop faible</translation>
    </message>
    <message>
        <source>When scanning a document, place the document within the camera&apos;s shooting range.</source>
        <translation>Pour numériser un document, placez-le dans le champ de la caméra.</translation>
    </message>
    <message>
        <source>If you cannot find the target area, you can manually adjust the screen brightness</source>
        <translation>Si la zone cible n&apos;est pas trouvée, vous pouvez régler la luminosité de l&apos;image à la main</translation>
    </message>
    <message>
        <source>The software can choose the scanning mode, according to the actual needs and the actual effect selection mode</source>
        <translation>Choisissez le mode de numérisation selon vos besoins et le résultat obtenu</translation>
    </message>
    <message>
        <source>Click the scan button in the lower right corner of the software to complete the scan operation</source>
        <translation>Cliquez sur le bouton de numérisation en bas à droite pour numériser</translation>
    </message>
    <message>
        <source>The right side of the software can directly view the scanned image。</source>
        <translation>Les images numérisées s&apos;affichent directement à droite。</translation>
    </message>
    <message>
        <source>When scanning books, please open the books naturally to avoid artificial folds</source>
        <translation>Pour numériser un livre, ouvrez-le naturellement pour éviter les plis</translation>
    </message>
    <message>
        <source>After the target area is stable, click the scan button</source>
        <translation>Quand la zone cible est stable, cliquez sur le bouton de numérisation</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range。</source>
        <translation>Placez le document dans le champ de la caméra。</translation>
    </message>
    <message>
        <source>After the scan is completed, you can manually rotate the image according to the actual needs and processing results</source>
        <translation>Après la numérisation, vous pouvez faire pivoter l&apos;image selon vos besoins et le résultat</translation>
    </message>
    <message>
        <source>After the scan is completed, it can be saved independently, or it can be saved to A4 size paper for easy printing.</source>
        <translation>Après la numérisation, l&apos;image peut être enregistrée seule ou sur une page A4 pour l&apos;impression.</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range</source>
        <translation>Placez le document dans le champ de la caméra</translation>
    </message>
    <message>
        <source>If there is a qr code in the document, the software will automatically identify the qr code.</source>
        <translation>Si le document contient un code QR, le logiciel le reconnaît automatiquement.</translation>
    </message>
    <message>
        <source>Please remove the glasses when shooting.</source>
        <translation>Retirez vos lunettes pour la prise de vue.</translation>
    </message>
    <message>
        <source>Face straight to attached camera.</source>
        <translation>Regardez droit vers la caméra auxiliaire.</translation>
    </message>
    <message>
        <source>The contrast values are displayed in real time under the software.</source>
        <translation>Les valeurs de comparaison s&apos;affichent en temps réel en bas.</translation>
    </message>
    <message>
        <source>Please check whether the computer is connected to the equipment properly.</source>
        <translation>Vérifiez que l&apos;appareil est bien connecté à l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Check whether the device exists in the computer device manager -&gt; image device.</source>
        <translation>Vérifiez que l&apos;appareil figure dans le gestionnaire de périphériques, sous périphériques d&apos;image.</translation>
    </message>
    <message>
        <source>Check to see if there is any third-party software that takes up the camera.</source>
        <translation>Vérifiez qu&apos;aucun autre logiciel n&apos;utilise la caméra.</translation>
    </message>
    <message>
        <source>If you still can&apos;t handle it, please contact the manufacturer</source>
        <translation>Si le problème persiste, contactez le fabricant</translation>
    </message>
    <message>
        <source>Pictures in the list bar can be exported to PDF,WORD and other formats.</source>
        <translation>Les images de la liste peuvent être exportées en PDF, Word et d&apos;autres formats.</translation>
    </message>
</context>
<context>
    <name>IdCardModePage</name>
    <message>
        <source>Positive</source>
        <translation>Recto</translation>
    </message>
    <message>
        <source>Negtive</source>
        <translation>Verso</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Échanger</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>Faire pivoter l&apos;image sélectionnée de 180°</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Correspondance</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>Identification automatique de la pièce d&apos;identité</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>Corriger automatiquement la carte d&apos;identité</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>Enregistrer avec le portrait</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
</context>
<context>
    <name>ImageFileRotator</name>
    <message>
        <source>not a picture, or it cannot be read</source>
        <translation>ce n&apos;est pas une image, ou elle est illisible</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Changer...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Exporter vers Word</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>Supprimer les éléments sélectionnés</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>The text recognition program could not be started: %1</source>
        <translation>Le programme de reconnaissance de texte n&apos;a pas pu démarrer : %1</translation>
    </message>
</context>
<context>
    <name>ImageSetPage</name>
    <message>
        <source>Img Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Time&amp;Date</source>
        <translation>Date &amp; heure</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>Date, heure &amp; numéro</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>Nommage :</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>Préfixe :</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>Qualité JPG :</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>Angle de rotation par défaut en mode document</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>Rotation :</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>Type de filigrane :</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>Aucun filigrane</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>Filigrane date</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>Filigrane texte</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>Filigrane image</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>Saisissez le texte du filigrane</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Right&amp;Down</source>
        <translation>Bas D</translation>
    </message>
    <message>
        <source>Left&amp;Up</source>
        <translation>Haut G</translation>
    </message>
    <message>
        <source>Left&amp;Cetner</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Left&amp;Down</source>
        <translation>Bas G</translation>
    </message>
    <message>
        <source>Center&amp;Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Center&amp;Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Right&amp;Up</source>
        <translation>Haut D</translation>
    </message>
    <message>
        <source>Right&amp;Center</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacité :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Text Size:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Image :</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Choisir un fichier image</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</source>
        <translation>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ZR Miravelo</source>
        <translation>ZR Miravelo</translation>
    </message>
    <message>
        <source>Take photo (Space)</source>
        <translation>Prendre une photo (Espace)</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Tourner à droite</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>Arrêter la capture programmée</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>Veillez à l&apos;éclairage : évitez la surexposition et le manque de lumière</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>Cliquez pour ouvrir le centre d&apos;aide et en savoir plus...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Ver:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>ZR Document Imaging</source>
        <translation>ZR Document Imaging</translation>
    </message>
    <message>
        <source>Copyright (C) ZR Document Imaging. All rights reserved.</source>
        <translation>Copyright (C) ZR Document Imaging. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>Impossible de charger les composants de la caméra. Veuillez fermer ce logiciel.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Output folder %1 cannot be used; saving to %2 for now</source>
        <translation>Le dossier de sortie %1 est inutilisable ; enregistrement dans %2 pour l&apos;instant</translation>
    </message>
    <message>
        <source>Saving to %1 again</source>
        <translation>Enregistrement de nouveau dans %1</translation>
    </message>
    <message>
        <source>No page found — nothing saved</source>
        <translation>Aucune page trouvée — rien n&apos;a été enregistré</translation>
    </message>
    <message numerus="yes">
        <source>%n captures not taken: the camera stopped</source>
        <translation>
            <numerusform>%n capture non prise : la caméra s&apos;est arrêtée</numerusform>
            <numerusform>%n captures non prises : la caméra s&apos;est arrêtée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files moved to trash</source>
        <translation>
            <numerusform>%n fichier déplacé dans la corbeille</numerusform>
            <numerusform>%n fichiers déplacés dans la corbeille</numerusform>
        </translation>
    </message>
    <message>
        <source>could not move %1 to trash</source>
        <translation>impossible de déplacer %1 dans la corbeille</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Could not restore %1 from the trash</source>
        <translation>Impossible de restaurer %1 depuis la corbeille</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>OcrJob</name>
    <message>
        <source>Skipped %1: the file does not exist.</source>
        <translation>%1 ignoré : le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is very large; it is read from a reduced copy.</source>
        <translation>%1 est très grande ; elle est lue depuis une copie réduite.</translation>
    </message>
    <message>
        <source>Skipped %1: it is not a picture that can be read.</source>
        <translation>%1 ignoré : ce n&apos;est pas une image lisible.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Annulé ; aucun document n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>None of the files could be read; no document was written.</source>
        <translation>Aucun des fichiers n&apos;a pu être lu ; aucun document n&apos;a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages read.</source>
        <translation>
            <numerusform>%n page lue.</numerusform>
            <numerusform>%n pages lues.</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it cannot be put into a PDF (%2).</source>
        <translation>%1 ignoré : impossible de le mettre dans un PDF (%2).</translation>
    </message>
</context>
<context>
    <name>OutputPipeline</name>
    <message>
        <source>no folder can take the file</source>
        <translation>aucun dossier ne peut recevoir le fichier</translation>
    </message>
</context>
<context>
    <name>Rir</name>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Page %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>The recognition data for &quot;%1&quot; is not installed.</source>
        <translation>Les données de reconnaissance pour « %1 » ne sont pas installées.</translation>
    </message>
    <message>
        <source>Reading the pages as English.</source>
        <translation>Les pages sont lues en anglais.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the folder may be missing or read-only.</source>
        <translation>Impossible d&apos;écrire dans %1 : le dossier n&apos;existe pas ou est en lecture seule.</translation>
    </message>
    <message>
        <source>%1 changed or vanished while it was read.</source>
        <translation>%1 a changé ou disparu pendant la lecture.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the disk may be full.</source>
        <translation>Impossible d&apos;écrire dans %1 : le disque est peut-être plein.</translation>
    </message>
    <message>
        <source>Reads the text of pictures of pages and writes a searchable PDF and a text file.</source>
        <translation>Lit le texte d&apos;images de pages et écrit un PDF interrogeable et un fichier texte.</translation>
    </message>
    <message>
        <source>Languages of the text, such as deu+eng.</source>
        <translation>Langues du texte, par exemple fra+eng.</translation>
    </message>
    <message>
        <source>Folder for the PDF and the text file.</source>
        <translation>Dossier du PDF et du fichier texte.</translation>
    </message>
    <message>
        <source>Pages read at the same time.</source>
        <translation>Pages lues en même temps.</translation>
    </message>
    <message>
        <source>No window: progress lines on the terminal.</source>
        <translation>Sans fenêtre : la progression s&apos;affiche dans le terminal.</translation>
    </message>
    <message>
        <source>The pictures, one page each.</source>
        <translation>Les images, une page chacune.</translation>
    </message>
    <message>
        <source>No pictures were given.</source>
        <translation>Aucune image n&apos;a été donnée.</translation>
    </message>
    <message>
        <source>No text recognition data is installed in %1.</source>
        <translation>Aucune donnée de reconnaissance de texte n&apos;est installée dans %1.</translation>
    </message>
</context>
<context>
    <name>RirWindow</name>
    <message>
        <source>Rir - text recognition</source>
        <translation>Rir - reconnaissance de texte</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Nothing was read.</source>
        <translation>Rien n&apos;a été lu.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>No document was written.</source>
        <translation>Aucun document n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <translation>%1 et %2 enregistrés</translation>
    </message>
    <message>
        <source>No program to show PDF files was found; the document is in %1.</source>
        <translation>Aucun programme d&apos;affichage des PDF n&apos;a été trouvé ; le document se trouve dans %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ScanModePage</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Fichiers</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimiser</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>Code QR...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>Nommer d&apos;après le contenu du code QR</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>Enregistrer automatiquement le contenu du code QR</translation>
    </message>
    <message>
        <source>SaveDirectly</source>
        <translation>Enregistrer directement</translation>
    </message>
</context>
<context>
    <name>ViceCamera</name>
    <message>
        <source>Can not load KELM_CamCtl.dll!</source>
        <translation>Impossible de charger la bibliothèque de la caméra 2 !</translation>
    </message>
    <message>
        <source>Failure to initialize library</source>
        <translation>Échec de l&apos;initialisation de la bibliothèque caméra</translation>
    </message>
    <message>
        <source>Can not find vice camera</source>
        <translation>Aucune caméra 2 trouvée</translation>
    </message>
    <message>
        <source>Failure to start preview</source>
        <translation>Impossible de démarrer l&apos;image de la caméra 2</translation>
    </message>
</context>
</TS>
