<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>Appiattimento automatico</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>Unisci pagine sinistra e destra</translation>
    </message>
    <message>
        <source>Save directly</source>
        <translation>Salva direttamente</translation>
    </message>
</context>
<context>
    <name>CCameraPreview</name>
    <message>
        <source>Finding device...</source>
        <translation>Ricerca del dispositivo...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>Apertura del dispositivo...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>Vista fotocamera</translation>
    </message>
</context>
<context>
    <name>CPreConfigBar</name>
    <message>
        <source>Doc</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Id Card</source>
        <translation>Carta d&apos;identità</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Foglio</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
</context>
<context>
    <name>CViceCamPreview</name>
    <message>
        <source>Open...</source>
        <translation>Apertura...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>error 01</source>
        <translation>Errore 01: confronto volti mancante</translation>
    </message>
    <message>
        <source>error 02</source>
        <translation>Errore 02: componente fotocamera mancante</translation>
    </message>
    <message>
        <source>error 04</source>
        <translation>Errore 04: libreria fotocamera non pronta</translation>
    </message>
    <message>
        <source>error 03</source>
        <translation>Errore 03: fotocamera volto non avviata</translation>
    </message>
    <message>
        <source>ERROR 05</source>
        <translation>Errore 05: nessuna fotocamera volto</translation>
    </message>
    <message>
        <source>No Available Device</source>
        <translation>Nessuna fotocamera disponibile</translation>
    </message>
    <message>
        <source>No Available Resolution!</source>
        <translation>Nessuna risoluzione disponibile!</translation>
    </message>
    <message>
        <source>Main camera error</source>
        <translation>Errore della fotocamera documenti</translation>
    </message>
    <message>
        <source>Main Camera is not running</source>
        <translation>La fotocamera documenti non è attiva</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>Nessun volto</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Corrispondenza:</translation>
    </message>
</context>
<context>
    <name>CameraPage</name>
    <message>
        <source>Devices:</source>
        <translation>Dispositivi:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Risoluz.:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Contrasto:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Saturaz.:</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>Freq. rete:</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fuoco</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>Timer:</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>Fotocam. 2</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>LeftUp</source>
        <translation>Alto Sx</translation>
    </message>
    <message>
        <source>RightUp</source>
        <translation>Alto Dx</translation>
    </message>
    <message>
        <source>LeftDown</source>
        <translation>Basso Sx</translation>
    </message>
    <message>
        <source>RightDown</source>
        <translation>Basso Dx</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CaptureController</name>
    <message>
        <source>The camera is not running — nothing captured</source>
        <translation>La fotocamera non è attiva — nessuna acquisizione</translation>
    </message>
    <message>
        <source>Too many captures are waiting — this one was not taken</source>
        <translation>Troppe acquisizioni in attesa — questa non è stata eseguita</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>The camera is in use by another program.</source>
        <translation>La fotocamera è in uso da un altro programma.</translation>
    </message>
    <message>
        <source>Camera disconnected</source>
        <translation>Fotocamera scollegata</translation>
    </message>
    <message>
        <source>Opening camera…</source>
        <translation>Apertura della fotocamera…</translation>
    </message>
</context>
<context>
    <name>Dialog_ImagesOutPut</name>
    <message>
        <source>导出PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>导出Word</source>
        <translation>Esporta in Word</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>请添加需要导出的图片:</source>
        <translation>Aggiungi le immagini da esportare:</translation>
    </message>
    <message>
        <source>添加需要导出的图片</source>
        <translation>Aggiungi immagini da esportare</translation>
    </message>
    <message>
        <source>从列表中删除指定图片</source>
        <translation>Rimuovi dall&apos;elenco le immagini selezionate</translation>
    </message>
    <message>
        <source>上移位置</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>下移位置</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>清空列表</source>
        <translation>Svuota l&apos;elenco</translation>
    </message>
    <message>
        <source>右转图片</source>
        <translation>Ruota l&apos;immagine</translation>
    </message>
    <message>
        <source>当前文档生成的路径</source>
        <translation>Percorso del documento da creare</translation>
    </message>
    <message>
        <source>改变文件夹</source>
        <translation>Cartella...</translation>
    </message>
    <message>
        <source>将导出的文件保存在其它的位置</source>
        <translation>Salva il documento in un&apos;altra cartella</translation>
    </message>
    <message>
        <source>一键生成</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Page %v of %m</source>
        <translation>Pagina %v di %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Seleziona immagini</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</source>
        <translation>Immagini (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>These pictures could not be turned and are unchanged:</source>
        <translation>Queste immagini non sono state ruotate e restano invariate:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Cambia cartella</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Esporta in Word</translation>
    </message>
    <message>
        <source>Out put to PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>%1 creato</translation>
    </message>
    <message>
        <source>Pictures not turned: %1</source>
        <translation>Immagini non ruotate: %1</translation>
    </message>
</context>
<context>
    <name>Dialog_Navigate</name>
    <message>
        <source>Dialog</source>
        <translation>Presentazione</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The list is empty: add the pictures to put into the document.</source>
        <translation>L&apos;elenco è vuoto: aggiungi le immagini da inserire nel documento.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures; the list has %2.</source>
        <translation>Un documento contiene al massimo %1 immagini; l&apos;elenco ne ha %2.</translation>
    </message>
    <message>
        <source>The document needs a file name: %1</source>
        <translation>Il documento richiede un nome file: %1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>The picture %1 no longer exists.</source>
        <translation>L&apos;immagine %1 non esiste più.</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 non è un&apos;immagine leggibile.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures.</source>
        <translation>Un documento contiene al massimo %1 immagini.</translation>
    </message>
    <message>
        <source>A file name is too long, or has characters this system cannot pass on.</source>
        <translation>Un nome file è troppo lungo o contiene caratteri che il sistema non può trasmettere.</translation>
    </message>
    <message>
        <source>A picture could not be read; it may have changed or been removed.</source>
        <translation>Impossibile leggere un&apos;immagine; potrebbe essere stata modificata o rimossa.</translation>
    </message>
    <message>
        <source>The document could not be written: the folder may be read-only or the disk full.</source>
        <translation>Impossibile scrivere il documento: la cartella potrebbe essere di sola lettura o il disco pieno.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Annullato; nessun documento è stato scritto.</translation>
    </message>
    <message>
        <source>The document component could not be loaded.</source>
        <translation>Impossibile caricare il componente dei documenti.</translation>
    </message>
    <message>
        <source>The document could not be created (error %1).</source>
        <translation>Impossibile creare il documento (errore %1).</translation>
    </message>
</context>
<context>
    <name>DocumentModePage</name>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Auto Cutting</source>
        <translation>Ritaglio</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Ottimizza</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Save Directly</source>
        <translation>Salva subito</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Scan modes</source>
        <translation>Modalità di scansione</translation>
    </message>
    <message>
        <source>Options of the mode</source>
        <translation>Opzioni della modalità</translation>
    </message>
    <message>
        <source>Keep the whole picture, or cut out and straighten the page, improve its colours or turn it grey. Ticked, the box on the right saves every capture at once.</source>
        <translation>Tenere l&apos;immagine intera, oppure ritagliare e raddrizzare la pagina, migliorarne i colori o renderla grigia. Se spuntata, la casella a destra salva subito ogni acquisizione.</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Turns the document picture, and the pages saved from it, by a quarter.</source>
        <translation>Ruota di un quarto di giro l&apos;immagine del documento e le pagine salvate da essa.</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Acquisisci</translation>
    </message>
    <message>
        <source>Click the button or press Space (or Enter on the keypad): the page is processed, saved and listed on the right.</source>
        <translation>Fare clic sul pulsante o premere Spazio (o Invio del tastierino): la pagina viene elaborata, salvata ed elencata a destra.</translation>
    </message>
    <message>
        <source>Device, resolution and picture; focus, timed capture and the second camera.</source>
        <translation>Dispositivo, risoluzione e immagine; messa a fuoco, scatto a tempo e seconda fotocamera.</translation>
    </message>
    <message>
        <source>File format and naming, JPG quality, rotation and the watermark. Every change is kept at once.</source>
        <translation>Formato e nome dei file, qualità JPG, rotazione e filigrana. Ogni modifica viene salvata subito.</translation>
    </message>
    <message>
        <source>The output folder and every saved image.</source>
        <translation>La cartella di destinazione e ogni immagine salvata.</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Choose where captures are saved, or open that folder.</source>
        <translation>Scegliere dove salvare le acquisizioni, o aprire quella cartella.</translation>
    </message>
    <message>
        <source>PDF, Word and print</source>
        <translation>PDF, Word e stampa</translation>
    </message>
    <message>
        <source>Put the selected images, in the order you choose, into one PDF or Word document, or print them.</source>
        <translation>Mettere le immagini selezionate, nell&apos;ordine scelto, in un unico documento PDF o Word, oppure stamparle.</translation>
    </message>
    <message>
        <source>Saved images</source>
        <translation>Immagini salvate</translation>
    </message>
    <message>
        <source>Every capture, newest last. Click to select, double-click to open, drag into another program, right-click for more.</source>
        <translation>Ogni acquisizione, la più recente per ultima. Clic per selezionare, doppio clic per aprire, trascinare in un altro programma, clic destro per altro.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>All images, or none.</source>
        <translation>Tutte le immagini, o nessuna.</translation>
    </message>
    <message>
        <source>Copy and delete</source>
        <translation>Copia ed elimina</translation>
    </message>
    <message>
        <source>Copy the selected files to paste them elsewhere (Ctrl+C), or move them to the trash.</source>
        <translation>Copiare i file selezionati per incollarli altrove (Ctrl+C), o spostarli nel cestino.</translation>
    </message>
    <message>
        <source>Scan modes and capture</source>
        <translation>Modalità e acquisizione</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Click anywhere to continue</source>
        <translation>Fare clic in un punto qualsiasi per continuare</translation>
    </message>
    <message>
        <source>Click anywhere to start scanning</source>
        <translation>Fare clic in un punto qualsiasi per iniziare</translation>
    </message>
    <message>
        <source>%1 for pages, %2 for both sides of a card, %3 to name files after their QR code, %4 to split an open book into two pages.</source>
        <translation>%1 per le pagine, %2 per i due lati di una tessera, %3 per dare ai file il nome del loro codice QR, %4 per dividere un libro aperto in due pagine.</translation>
    </message>
    <message>
        <source>Text recognition</source>
        <translation>Riconoscimento del testo</translation>
    </message>
    <message>
        <source>Reads the text of the selected images into a searchable PDF and a text file.</source>
        <translation>Legge il testo delle immagini selezionate in un PDF ricercabile e in un file di testo.</translation>
    </message>
</context>
<context>
    <name>HelpTip</name>
    <message>
        <source>Pay attention to light to avoid excessive light or too dark light</source>
        <translation>Attenzione alla luce: né troppa né troppo poca</translation>
    </message>
    <message>
        <source>When scanning a document, place the document within the camera&apos;s shooting range.</source>
        <translation>Per acquisire un documento, posizionalo nel campo della fotocamera.</translation>
    </message>
    <message>
        <source>If you cannot find the target area, you can manually adjust the screen brightness</source>
        <translation>Se l&apos;area di destinazione non viene trovata, puoi regolare a mano la luminosità</translation>
    </message>
    <message>
        <source>The software can choose the scanning mode, according to the actual needs and the actual effect selection mode</source>
        <translation>Scegli la modalità di scansione in base alle esigenze e al risultato</translation>
    </message>
    <message>
        <source>Click the scan button in the lower right corner of the software to complete the scan operation</source>
        <translation>Fai clic sul pulsante di scansione in basso a destra per acquisire</translation>
    </message>
    <message>
        <source>The right side of the software can directly view the scanned image。</source>
        <translation>Le immagini acquisite si vedono direttamente a destra。</translation>
    </message>
    <message>
        <source>When scanning books, please open the books naturally to avoid artificial folds</source>
        <translation>Per acquisire un libro, aprilo in modo naturale per evitare pieghe</translation>
    </message>
    <message>
        <source>After the target area is stable, click the scan button</source>
        <translation>Quando l&apos;area di destinazione è stabile, fai clic sul pulsante di scansione</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range。</source>
        <translation>Posiziona il documento nel campo della fotocamera。</translation>
    </message>
    <message>
        <source>After the scan is completed, you can manually rotate the image according to the actual needs and processing results</source>
        <translation>Dopo la scansione puoi ruotare l&apos;immagine a mano secondo le esigenze e il risultato</translation>
    </message>
    <message>
        <source>After the scan is completed, it can be saved independently, or it can be saved to A4 size paper for easy printing.</source>
        <translation>Dopo la scansione l&apos;immagine può essere salvata da sola o su un foglio A4 per la stampa.</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range</source>
        <translation>Posiziona il documento nel campo della fotocamera</translation>
    </message>
    <message>
        <source>If there is a qr code in the document, the software will automatically identify the qr code.</source>
        <translation>Se il documento contiene un codice QR, il programma lo riconosce automaticamente.</translation>
    </message>
    <message>
        <source>Please remove the glasses when shooting.</source>
        <translation>Togli gli occhiali durante la ripresa.</translation>
    </message>
    <message>
        <source>Face straight to attached camera.</source>
        <translation>Guarda dritto verso la fotocamera secondaria.</translation>
    </message>
    <message>
        <source>The contrast values are displayed in real time under the software.</source>
        <translation>I valori di confronto sono mostrati in basso in tempo reale.</translation>
    </message>
    <message>
        <source>Please check whether the computer is connected to the equipment properly.</source>
        <translation>Verifica che il dispositivo sia collegato correttamente al computer.</translation>
    </message>
    <message>
        <source>Check whether the device exists in the computer device manager -&gt; image device.</source>
        <translation>Verifica che il dispositivo compaia in Gestione dispositivi, sotto dispositivi di imaging.</translation>
    </message>
    <message>
        <source>Check to see if there is any third-party software that takes up the camera.</source>
        <translation>Verifica che nessun altro programma stia usando la fotocamera.</translation>
    </message>
    <message>
        <source>If you still can&apos;t handle it, please contact the manufacturer</source>
        <translation>Se il problema persiste, contatta il produttore</translation>
    </message>
    <message>
        <source>Pictures in the list bar can be exported to PDF,WORD and other formats.</source>
        <translation>Le immagini dell&apos;elenco possono essere esportate in PDF, Word e altri formati.</translation>
    </message>
</context>
<context>
    <name>IdCardModePage</name>
    <message>
        <source>Positive</source>
        <translation>Fronte</translation>
    </message>
    <message>
        <source>Negtive</source>
        <translation>Retro</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Scambia</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>Ruota di 180° l&apos;immagine selezionata</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Corrispondenza</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>Identificazione automatica del documento</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>Correggi automaticamente la carta d&apos;identità</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>Salva con ritratto</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
</context>
<context>
    <name>ImageFileRotator</name>
    <message>
        <source>not a picture, or it cannot be read</source>
        <translation>non è un&apos;immagine o non è leggibile</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Cambia...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Esporta in Word</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>Elimina gli elementi selezionati</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>The text recognition program could not be started: %1</source>
        <translation>Impossibile avviare il programma di riconoscimento del testo: %1</translation>
    </message>
</context>
<context>
    <name>ImageSetPage</name>
    <message>
        <source>Img Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Time&amp;Date</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>Data, ora e indice</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>Nomi:</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>Prefisso:</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>Qualità JPG:</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>Angolo di rotazione predefinito in modalità documento</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>Rotazione:</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>Tipo di filigrana:</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>Nessuna filigrana</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>Filigrana data</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>Filigrana testo</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>Filigrana immagine</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>Inserisci il testo della filigrana</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Testo:</translation>
    </message>
    <message>
        <source>Right&amp;Down</source>
        <translation>Basso Dx</translation>
    </message>
    <message>
        <source>Left&amp;Up</source>
        <translation>Alto Sx</translation>
    </message>
    <message>
        <source>Left&amp;Cetner</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Left&amp;Down</source>
        <translation>Basso Sx</translation>
    </message>
    <message>
        <source>Center&amp;Up</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Center&amp;Down</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Right&amp;Up</source>
        <translation>Alto Dx</translation>
    </message>
    <message>
        <source>Right&amp;Center</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Colore...</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacità:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>Text Size:</source>
        <translation>Carattere:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Immagine:</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Seleziona file immagine</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</source>
        <translation>Immagini (*.png *.bmp *.tif *.tiff *.gif *.jpg)</translation>
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
        <translation>Scatta foto (Spazio)</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>Interrompi acquisizione temporizzata</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>Fai attenzione all&apos;illuminazione: evita la sovraesposizione e la scarsa luce</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>Fai clic per aprire il Centro assistenza per ulteriori informazioni...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Ver:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Azienda:</translation>
    </message>
    <message>
        <source>ZR Document Imaging</source>
        <translation>ZR Document Imaging</translation>
    </message>
    <message>
        <source>Copyright (C) ZR Document Imaging. All rights reserved.</source>
        <translation>Copyright (C) ZR Document Imaging. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>Impossibile caricare i componenti della fotocamera. Chiudere questo programma.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>Output folder %1 cannot be used; saving to %2 for now</source>
        <translation>La cartella di destinazione %1 non è utilizzabile; per ora si salva in %2</translation>
    </message>
    <message>
        <source>Saving to %1 again</source>
        <translation>Si salva di nuovo in %1</translation>
    </message>
    <message>
        <source>No page found — nothing saved</source>
        <translation>Nessuna pagina trovata — niente salvato</translation>
    </message>
    <message numerus="yes">
        <source>%n captures not taken: the camera stopped</source>
        <translation>
            <numerusform>%n acquisizione non eseguita: la fotocamera si è fermata</numerusform>
            <numerusform>%n acquisizioni non eseguite: la fotocamera si è fermata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files moved to trash</source>
        <translation>
            <numerusform>%n file spostato nel cestino</numerusform>
            <numerusform>%n file spostati nel cestino</numerusform>
        </translation>
    </message>
    <message>
        <source>could not move %1 to trash</source>
        <translation>impossibile spostare %1 nel cestino</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Could not restore %1 from the trash</source>
        <translation>Impossibile ripristinare %1 dal cestino</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>OcrJob</name>
    <message>
        <source>Skipped %1: the file does not exist.</source>
        <translation>%1 saltato: il file non esiste.</translation>
    </message>
    <message>
        <source>%1 is very large; it is read from a reduced copy.</source>
        <translation>%1 è molto grande; viene letto da una copia ridotta.</translation>
    </message>
    <message>
        <source>Skipped %1: it is not a picture that can be read.</source>
        <translation>%1 saltato: non è un&apos;immagine leggibile.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Annullato; nessun documento è stato scritto.</translation>
    </message>
    <message>
        <source>None of the files could be read; no document was written.</source>
        <translation>Nessuno dei file è stato letto; nessun documento è stato scritto.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages read.</source>
        <translation>
            <numerusform>%n pagina letta.</numerusform>
            <numerusform>%n pagine lette.</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it cannot be put into a PDF (%2).</source>
        <translation>%1 saltato: non può essere inserito in un PDF (%2).</translation>
    </message>
</context>
<context>
    <name>OutputPipeline</name>
    <message>
        <source>no folder can take the file</source>
        <translation>nessuna cartella può accogliere il file</translation>
    </message>
</context>
<context>
    <name>Rir</name>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Pagina %1 di %2: %3</translation>
    </message>
    <message>
        <source>The recognition data for &quot;%1&quot; is not installed.</source>
        <translation>I dati di riconoscimento per «%1» non sono installati.</translation>
    </message>
    <message>
        <source>Reading the pages as English.</source>
        <translation>Le pagine vengono lette in inglese.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the folder may be missing or read-only.</source>
        <translation>Impossibile scrivere in %1: la cartella manca o è di sola lettura.</translation>
    </message>
    <message>
        <source>%1 changed or vanished while it was read.</source>
        <translation>%1 è cambiato o scomparso durante la lettura.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the disk may be full.</source>
        <translation>Impossibile scrivere in %1: il disco potrebbe essere pieno.</translation>
    </message>
    <message>
        <source>Reads the text of pictures of pages and writes a searchable PDF and a text file.</source>
        <translation>Legge il testo dalle immagini delle pagine e scrive un PDF ricercabile e un file di testo.</translation>
    </message>
    <message>
        <source>Languages of the text, such as deu+eng.</source>
        <translation>Lingue del testo, per esempio ita+eng.</translation>
    </message>
    <message>
        <source>Folder for the PDF and the text file.</source>
        <translation>Cartella per il PDF e il file di testo.</translation>
    </message>
    <message>
        <source>Pages read at the same time.</source>
        <translation>Pagine lette contemporaneamente.</translation>
    </message>
    <message>
        <source>No window: progress lines on the terminal.</source>
        <translation>Nessuna finestra: l&apos;avanzamento viene mostrato nel terminale.</translation>
    </message>
    <message>
        <source>The pictures, one page each.</source>
        <translation>Le immagini, una pagina ciascuna.</translation>
    </message>
    <message>
        <source>No pictures were given.</source>
        <translation>Non è stata indicata nessuna immagine.</translation>
    </message>
    <message>
        <source>No text recognition data is installed in %1.</source>
        <translation>Nessun dato di riconoscimento del testo è installato in %1.</translation>
    </message>
</context>
<context>
    <name>RirWindow</name>
    <message>
        <source>Rir - text recognition</source>
        <translation>Rir - riconoscimento del testo</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Avvio…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento…</translation>
    </message>
    <message>
        <source>Nothing was read.</source>
        <translation>Non è stato letto nulla.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>No document was written.</source>
        <translation>Nessun documento è stato scritto.</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <translation>Salvati %1 e %2</translation>
    </message>
    <message>
        <source>No program to show PDF files was found; the document is in %1.</source>
        <translation>Nessun programma per visualizzare i PDF trovato; il documento è in %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>ScanModePage</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Camera</source>
        <translation>Ripresa</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Ottimizza</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>Codice QR...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>Nomina con il contenuto del codice QR</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>Registra automaticamente il contenuto del codice QR</translation>
    </message>
    <message>
        <source>SaveDirectly</source>
        <translation>Salva direttamente</translation>
    </message>
</context>
<context>
    <name>ViceCamera</name>
    <message>
        <source>Can not load KELM_CamCtl.dll!</source>
        <translation>Impossibile caricare la libreria della fotocamera 2!</translation>
    </message>
    <message>
        <source>Failure to initialize library</source>
        <translation>Impossibile inizializzare la libreria della fotocamera</translation>
    </message>
    <message>
        <source>Can not find vice camera</source>
        <translation>Nessuna fotocamera 2 trovata</translation>
    </message>
    <message>
        <source>Failure to start preview</source>
        <translation>Impossibile avviare l&apos;immagine della fotocamera 2</translation>
    </message>
</context>
</TS>
