<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>Automatisch glätten</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>Linke und rechte Seite zusammenführen</translation>
    </message>
    <message>
        <source>Save directly</source>
        <translation>Direkt speichern</translation>
    </message>
</context>
<context>
    <name>CCameraPreview</name>
    <message>
        <source>Finding device...</source>
        <translation>Gerät wird gesucht...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>Gerät wird geöffnet...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>Kameraansicht</translation>
    </message>
</context>
<context>
    <name>CPreConfigBar</name>
    <message>
        <source>Doc</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Id Card</source>
        <translation>Ausweis</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
</context>
<context>
    <name>CViceCamPreview</name>
    <message>
        <source>Open...</source>
        <translation>Wird geöffnet...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>error 01</source>
        <translation>Fehler 01: Gesichtsvergleich fehlt</translation>
    </message>
    <message>
        <source>error 02</source>
        <translation>Fehler 02: Kamerakomponente fehlt</translation>
    </message>
    <message>
        <source>error 04</source>
        <translation>Fehler 04: Kamerabibliothek nicht bereit</translation>
    </message>
    <message>
        <source>error 03</source>
        <translation>Fehler 03: Gesichtskamera nicht gestartet</translation>
    </message>
    <message>
        <source>ERROR 05</source>
        <translation>Fehler 05: keine Gesichtskamera</translation>
    </message>
    <message>
        <source>No Available Device</source>
        <translation>Keine Kamera verfügbar</translation>
    </message>
    <message>
        <source>No Available Resolution!</source>
        <translation>Keine Auflösung verfügbar!</translation>
    </message>
    <message>
        <source>Main camera error</source>
        <translation>Fehler der Dokumentkamera</translation>
    </message>
    <message>
        <source>Main Camera is not running</source>
        <translation>Die Dokumentkamera läuft nicht</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>Kein Gesicht</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Treffer:</translation>
    </message>
</context>
<context>
    <name>CameraPage</name>
    <message>
        <source>Devices:</source>
        <translation>Geräte:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Kontrast:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Sättigung:</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>Netzfreq.:</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>Timer:</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>Zweitkamera</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>LeftUp</source>
        <translation>Oben L</translation>
    </message>
    <message>
        <source>RightUp</source>
        <translation>Oben R</translation>
    </message>
    <message>
        <source>LeftDown</source>
        <translation>Unten L</translation>
    </message>
    <message>
        <source>RightDown</source>
        <translation>Unten R</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CaptureController</name>
    <message>
        <source>The camera is not running — nothing captured</source>
        <translation>Die Kamera läuft nicht — nichts aufgenommen</translation>
    </message>
    <message>
        <source>Too many captures are waiting — this one was not taken</source>
        <translation>Zu viele Aufnahmen warten — diese wurde nicht gemacht</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>The camera is in use by another program.</source>
        <translation>Die Kamera wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>Camera disconnected</source>
        <translation>Kamera getrennt</translation>
    </message>
    <message>
        <source>Opening camera…</source>
        <translation>Kamera wird geöffnet…</translation>
    </message>
</context>
<context>
    <name>Dialog_ImagesOutPut</name>
    <message>
        <source>导出PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>导出Word</source>
        <translation>Als Word exportieren</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>请添加需要导出的图片:</source>
        <translation>Bilder für den Export hinzufügen:</translation>
    </message>
    <message>
        <source>添加需要导出的图片</source>
        <translation>Bilder zum Exportieren hinzufügen</translation>
    </message>
    <message>
        <source>从列表中删除指定图片</source>
        <translation>Ausgewählte Bilder aus der Liste entfernen</translation>
    </message>
    <message>
        <source>上移位置</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>下移位置</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>清空列表</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>右转图片</source>
        <translation>Bild drehen</translation>
    </message>
    <message>
        <source>当前文档生成的路径</source>
        <translation>Speicherort des Dokuments</translation>
    </message>
    <message>
        <source>改变文件夹</source>
        <translation>Ordner...</translation>
    </message>
    <message>
        <source>将导出的文件保存在其它的位置</source>
        <translation>Dokument in einem anderen Ordner speichern</translation>
    </message>
    <message>
        <source>一键生成</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Page %v of %m</source>
        <translation>Seite %v von %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Bilddateien auswählen</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</source>
        <translation>Bilder (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>These pictures could not be turned and are unchanged:</source>
        <translation>Diese Bilder konnten nicht gedreht werden und sind unverändert:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Ordner ändern</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Nach Word exportieren</translation>
    </message>
    <message>
        <source>Out put to PDF</source>
        <translation>Als PDF ausgeben</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>%1 erstellt</translation>
    </message>
    <message>
        <source>Pictures not turned: %1</source>
        <translation>Nicht gedrehte Bilder: %1</translation>
    </message>
</context>
<context>
    <name>Dialog_Navigate</name>
    <message>
        <source>Dialog</source>
        <translation>Rundgang</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The list is empty: add the pictures to put into the document.</source>
        <translation>Die Liste ist leer: Fügen Sie die Bilder für das Dokument hinzu.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures; the list has %2.</source>
        <translation>Ein Dokument fasst höchstens %1 Bilder; die Liste enthält %2.</translation>
    </message>
    <message>
        <source>The document needs a file name: %1</source>
        <translation>Das Dokument braucht einen Dateinamen: %1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The picture %1 no longer exists.</source>
        <translation>Das Bild %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 ist kein lesbares Bild.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures.</source>
        <translation>Ein Dokument fasst höchstens %1 Bilder.</translation>
    </message>
    <message>
        <source>A file name is too long, or has characters this system cannot pass on.</source>
        <translation>Ein Dateiname ist zu lang oder enthält Zeichen, die das System nicht weitergeben kann.</translation>
    </message>
    <message>
        <source>A picture could not be read; it may have changed or been removed.</source>
        <translation>Ein Bild konnte nicht gelesen werden; es wurde vielleicht geändert oder entfernt.</translation>
    </message>
    <message>
        <source>The document could not be written: the folder may be read-only or the disk full.</source>
        <translation>Das Dokument konnte nicht geschrieben werden: Der Ordner ist vielleicht schreibgeschützt oder der Datenträger voll.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Abgebrochen; es wurde kein Dokument geschrieben.</translation>
    </message>
    <message>
        <source>The document component could not be loaded.</source>
        <translation>Die Dokumentkomponente konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>The document could not be created (error %1).</source>
        <translation>Das Dokument konnte nicht erstellt werden (Fehler %1).</translation>
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
        <translation>Zuschnitt</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimieren</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Save Directly</source>
        <translation>Direkt speichern</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Scan modes</source>
        <translation>Scanmodi</translation>
    </message>
    <message>
        <source>Options of the mode</source>
        <translation>Optionen des Modus</translation>
    </message>
    <message>
        <source>Keep the whole picture, or cut out and straighten the page, improve its colours or turn it grey. Ticked, the box on the right saves every capture at once.</source>
        <translation>Das ganze Bild behalten oder die Seite ausschneiden und begradigen, ihre Farben verbessern oder sie grau machen. Ist das Kästchen rechts angehakt, wird jede Aufnahme sofort gespeichert.</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Turns the document picture, and the pages saved from it, by a quarter.</source>
        <translation>Dreht das Dokumentbild und die daraus gespeicherten Seiten um eine Vierteldrehung.</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Click the button or press Space (or Enter on the keypad): the page is processed, saved and listed on the right.</source>
        <translation>Auf die Taste klicken oder die Leertaste (oder Enter auf dem Ziffernblock) drücken: Die Seite wird bearbeitet, gespeichert und rechts aufgelistet.</translation>
    </message>
    <message>
        <source>Device, resolution and picture; focus, timed capture and the second camera.</source>
        <translation>Gerät, Auflösung und Bild; Fokus, Serienaufnahme und die zweite Kamera.</translation>
    </message>
    <message>
        <source>File format and naming, JPG quality, rotation and the watermark. Every change is kept at once.</source>
        <translation>Dateiformat und Benennung, JPG-Qualität, Drehung und das Wasserzeichen. Jede Änderung wird sofort gespeichert.</translation>
    </message>
    <message>
        <source>The output folder and every saved image.</source>
        <translation>Der Ausgabeordner und jedes gespeicherte Bild.</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Choose where captures are saved, or open that folder.</source>
        <translation>Wählen, wohin Aufnahmen gespeichert werden, oder diesen Ordner öffnen.</translation>
    </message>
    <message>
        <source>PDF, Word and print</source>
        <translation>PDF, Word und Drucken</translation>
    </message>
    <message>
        <source>Put the selected images, in the order you choose, into one PDF or Word document, or print them.</source>
        <translation>Die ausgewählten Bilder in der gewünschten Reihenfolge in ein PDF- oder Word-Dokument bringen oder drucken.</translation>
    </message>
    <message>
        <source>Saved images</source>
        <translation>Gespeicherte Bilder</translation>
    </message>
    <message>
        <source>Every capture, newest last. Click to select, double-click to open, drag into another program, right-click for more.</source>
        <translation>Jede Aufnahme, die neueste zuletzt. Klicken wählt aus, Doppelklick öffnet, Ziehen übergibt an ein anderes Programm, Rechtsklick zeigt mehr.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>All images, or none.</source>
        <translation>Alle Bilder oder keines.</translation>
    </message>
    <message>
        <source>Copy and delete</source>
        <translation>Kopieren und löschen</translation>
    </message>
    <message>
        <source>Copy the selected files to paste them elsewhere (Ctrl+C), or move them to the trash.</source>
        <translation>Die ausgewählten Dateien kopieren, um sie anderswo einzufügen (Strg+C), oder in den Papierkorb verschieben.</translation>
    </message>
    <message>
        <source>Scan modes and capture</source>
        <translation>Scanmodi und Aufnahme</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Click anywhere to continue</source>
        <translation>Klicken Sie irgendwo, um fortzufahren</translation>
    </message>
    <message>
        <source>Click anywhere to start scanning</source>
        <translation>Klicken Sie irgendwo, um mit dem Scannen zu beginnen</translation>
    </message>
    <message>
        <source>%1 for pages, %2 for both sides of a card, %3 to name files after their QR code, %4 to split an open book into two pages.</source>
        <translation>%1 für Seiten, %2 für beide Seiten einer Karte, %3 benennt Dateien nach ihrem QR-Code, %4 teilt ein aufgeschlagenes Buch in zwei Seiten.</translation>
    </message>
    <message>
        <source>Text recognition</source>
        <translation>Texterkennung</translation>
    </message>
    <message>
        <source>Reads the text of the selected images into a searchable PDF and a text file.</source>
        <translation>Liest den Text der ausgewählten Bilder in ein durchsuchbares PDF und eine Textdatei.</translation>
    </message>
</context>
<context>
    <name>HelpTip</name>
    <message>
        <source>Pay attention to light to avoid excessive light or too dark light</source>
        <translation>Achten Sie auf das Licht: weder zu hell noch zu dunkel</translation>
    </message>
    <message>
        <source>When scanning a document, place the document within the camera&apos;s shooting range.</source>
        <translation>Legen Sie das Dokument beim Scannen in den Aufnahmebereich der Kamera.</translation>
    </message>
    <message>
        <source>If you cannot find the target area, you can manually adjust the screen brightness</source>
        <translation>Wenn der Zielbereich nicht gefunden wird, können Sie die Bildhelligkeit von Hand anpassen</translation>
    </message>
    <message>
        <source>The software can choose the scanning mode, according to the actual needs and the actual effect selection mode</source>
        <translation>Wählen Sie den Scanmodus nach Ihrem Bedarf und dem tatsächlichen Ergebnis</translation>
    </message>
    <message>
        <source>Click the scan button in the lower right corner of the software to complete the scan operation</source>
        <translation>Klicken Sie unten rechts auf die Scan-Schaltfläche, um den Scan auszuführen</translation>
    </message>
    <message>
        <source>The right side of the software can directly view the scanned image。</source>
        <translation>Rechts sehen Sie die gescannten Bilder direkt。</translation>
    </message>
    <message>
        <source>When scanning books, please open the books naturally to avoid artificial folds</source>
        <translation>Öffnen Sie Bücher beim Scannen natürlich, um künstliche Falten zu vermeiden</translation>
    </message>
    <message>
        <source>After the target area is stable, click the scan button</source>
        <translation>Klicken Sie auf die Scan-Schaltfläche, sobald der Zielbereich ruhig ist</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range。</source>
        <translation>Legen Sie das Dokument in den Aufnahmebereich der Kamera。</translation>
    </message>
    <message>
        <source>After the scan is completed, you can manually rotate the image according to the actual needs and processing results</source>
        <translation>Nach dem Scan können Sie das Bild je nach Bedarf und Ergebnis von Hand drehen</translation>
    </message>
    <message>
        <source>After the scan is completed, it can be saved independently, or it can be saved to A4 size paper for easy printing.</source>
        <translation>Nach dem Scan kann das Bild einzeln oder zum bequemen Drucken auf A4-Papier gespeichert werden.</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range</source>
        <translation>Legen Sie das Dokument in den Aufnahmebereich der Kamera</translation>
    </message>
    <message>
        <source>If there is a qr code in the document, the software will automatically identify the qr code.</source>
        <translation>Enthält das Dokument einen QR-Code, erkennt die Software ihn automatisch.</translation>
    </message>
    <message>
        <source>Please remove the glasses when shooting.</source>
        <translation>Bitte nehmen Sie bei der Aufnahme die Brille ab.</translation>
    </message>
    <message>
        <source>Face straight to attached camera.</source>
        <translation>Blicken Sie gerade in die Zweitkamera.</translation>
    </message>
    <message>
        <source>The contrast values are displayed in real time under the software.</source>
        <translation>Die Vergleichswerte werden unten in Echtzeit angezeigt.</translation>
    </message>
    <message>
        <source>Please check whether the computer is connected to the equipment properly.</source>
        <translation>Prüfen Sie, ob das Gerät richtig mit dem Computer verbunden ist.</translation>
    </message>
    <message>
        <source>Check whether the device exists in the computer device manager -&gt; image device.</source>
        <translation>Prüfen Sie, ob das Gerät in der Geräteverwaltung des Computers unter Bildgeräte erscheint.</translation>
    </message>
    <message>
        <source>Check to see if there is any third-party software that takes up the camera.</source>
        <translation>Prüfen Sie, ob ein anderes Programm die Kamera belegt.</translation>
    </message>
    <message>
        <source>If you still can&apos;t handle it, please contact the manufacturer</source>
        <translation>Hilft das nicht weiter, wenden Sie sich bitte an den Hersteller</translation>
    </message>
    <message>
        <source>Pictures in the list bar can be exported to PDF,WORD and other formats.</source>
        <translation>Bilder in der Liste können nach PDF, Word und in andere Formate exportiert werden.</translation>
    </message>
</context>
<context>
    <name>IdCardModePage</name>
    <message>
        <source>Positive</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Negtive</source>
        <translation>Hinten</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>Ausgewähltes Bild um 180° drehen</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Gesichtsabgleich</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>Ausweis automatisch erkennen</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>Ausweis automatisch korrigieren</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>Mit Porträt speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
</context>
<context>
    <name>ImageFileRotator</name>
    <message>
        <source>not a picture, or it cannot be read</source>
        <translation>kein Bild oder nicht lesbar</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>Bildordner:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Als Word exportieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>Ausgewählte Elemente löschen</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>The text recognition program could not be started: %1</source>
        <translation>Das Texterkennungsprogramm konnte nicht gestartet werden: %1</translation>
    </message>
</context>
<context>
    <name>ImageSetPage</name>
    <message>
        <source>Img Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Time&amp;Date</source>
        <translation>Datum &amp; Uhrzeit</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>Datum, Uhrzeit &amp; Nummer</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>Benennung:</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>JPG-Qualität:</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>Standard-Drehwinkel im Dokumentmodus</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>Drehung:</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>Wasserzeichentyp wählen:</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>Kein Wasserzeichen</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>Datumswasserzeichen</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>Textwasserzeichen</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>Bildwasserzeichen</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>Bitte Wasserzeichentext eingeben</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <source>Right&amp;Down</source>
        <translation>Unten R</translation>
    </message>
    <message>
        <source>Left&amp;Up</source>
        <translation>Oben L</translation>
    </message>
    <message>
        <source>Left&amp;Cetner</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Left&amp;Down</source>
        <translation>Unten L</translation>
    </message>
    <message>
        <source>Center&amp;Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Center&amp;Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Right&amp;Up</source>
        <translation>Oben R</translation>
    </message>
    <message>
        <source>Right&amp;Center</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Deckkraft:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Text Size:</source>
        <translation>Textgröße:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Bilddatei auswählen</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</source>
        <translation>Bilder (*.png *.bmp *.tif *.tiff *.gif *.jpg)</translation>
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
        <translation>Foto aufnehmen (Leertaste)</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>Zeitaufnahme beenden</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>Achten Sie auf die Beleuchtung: vermeiden Sie Über- und Unterbelichtung</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>Klicken Sie, um das Hilfecenter für weitere Informationen zu öffnen...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Ver:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>ZR Document Imaging</source>
        <translation>ZR Document Imaging</translation>
    </message>
    <message>
        <source>Copyright (C) ZR Document Imaging. All rights reserved.</source>
        <translation>Copyright (C) ZR Document Imaging. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>Die Kamerakomponenten können nicht geladen werden. Bitte schließen Sie dieses Programm.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Output folder %1 cannot be used; saving to %2 for now</source>
        <translation>Ausgabeordner %1 ist nicht nutzbar; vorerst wird in %2 gespeichert</translation>
    </message>
    <message>
        <source>Saving to %1 again</source>
        <translation>Es wird wieder in %1 gespeichert</translation>
    </message>
    <message>
        <source>No page found — nothing saved</source>
        <translation>Keine Seite gefunden — nichts gespeichert</translation>
    </message>
    <message numerus="yes">
        <source>%n captures not taken: the camera stopped</source>
        <translation>
            <numerusform>%n Aufnahme nicht gemacht: die Kamera wurde gestoppt</numerusform>
            <numerusform>%n Aufnahmen nicht gemacht: die Kamera wurde gestoppt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files moved to trash</source>
        <translation>
            <numerusform>%n Datei in den Papierkorb verschoben</numerusform>
            <numerusform>%n Dateien in den Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>could not move %1 to trash</source>
        <translation>%1 konnte nicht in den Papierkorb verschoben werden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Could not restore %1 from the trash</source>
        <translation>%1 konnte nicht aus dem Papierkorb wiederhergestellt werden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>OcrJob</name>
    <message>
        <source>Skipped %1: the file does not exist.</source>
        <translation>%1 übersprungen: Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is very large; it is read from a reduced copy.</source>
        <translation>%1 ist sehr groß; es wird aus einer verkleinerten Kopie gelesen.</translation>
    </message>
    <message>
        <source>Skipped %1: it is not a picture that can be read.</source>
        <translation>%1 übersprungen: Es ist kein lesbares Bild.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Abgebrochen; es wurde kein Dokument geschrieben.</translation>
    </message>
    <message>
        <source>None of the files could be read; no document was written.</source>
        <translation>Keine der Dateien konnte gelesen werden; es wurde kein Dokument geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages read.</source>
        <translation>
            <numerusform>%n Seite gelesen.</numerusform>
            <numerusform>%n Seiten gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it cannot be put into a PDF (%2).</source>
        <translation>%1 übersprungen: Es kann nicht in ein PDF übernommen werden (%2).</translation>
    </message>
</context>
<context>
    <name>OutputPipeline</name>
    <message>
        <source>no folder can take the file</source>
        <translation>kein Ordner kann die Datei aufnehmen</translation>
    </message>
</context>
<context>
    <name>Rir</name>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Seite %1 von %2: %3</translation>
    </message>
    <message>
        <source>The recognition data for &quot;%1&quot; is not installed.</source>
        <translation>Die Erkennungsdaten für „%1“ sind nicht installiert.</translation>
    </message>
    <message>
        <source>Reading the pages as English.</source>
        <translation>Die Seiten werden als Englisch gelesen.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the folder may be missing or read-only.</source>
        <translation>In %1 kann nicht geschrieben werden: Der Ordner fehlt oder ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 changed or vanished while it was read.</source>
        <translation>%1 wurde während des Lesens geändert oder entfernt.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the disk may be full.</source>
        <translation>In %1 kann nicht geschrieben werden: Der Datenträger ist eventuell voll.</translation>
    </message>
    <message>
        <source>Reads the text of pictures of pages and writes a searchable PDF and a text file.</source>
        <translation>Liest den Text aus Bildern von Seiten und schreibt ein durchsuchbares PDF und eine Textdatei.</translation>
    </message>
    <message>
        <source>Languages of the text, such as deu+eng.</source>
        <translation>Sprachen des Textes, etwa deu+eng.</translation>
    </message>
    <message>
        <source>Folder for the PDF and the text file.</source>
        <translation>Ordner für das PDF und die Textdatei.</translation>
    </message>
    <message>
        <source>Pages read at the same time.</source>
        <translation>Gleichzeitig gelesene Seiten.</translation>
    </message>
    <message>
        <source>No window: progress lines on the terminal.</source>
        <translation>Kein Fenster: Fortschritt als Zeilen im Terminal.</translation>
    </message>
    <message>
        <source>The pictures, one page each.</source>
        <translation>Die Bilder, je eines pro Seite.</translation>
    </message>
    <message>
        <source>No pictures were given.</source>
        <translation>Es wurden keine Bilder angegeben.</translation>
    </message>
    <message>
        <source>No text recognition data is installed in %1.</source>
        <translation>In %1 sind keine Texterkennungsdaten installiert.</translation>
    </message>
</context>
<context>
    <name>RirWindow</name>
    <message>
        <source>Rir - text recognition</source>
        <translation>Rir - Texterkennung</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Wird gestartet…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>Nothing was read.</source>
        <translation>Es wurde nichts gelesen.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>No document was written.</source>
        <translation>Es wurde kein Dokument geschrieben.</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <translation>%1 und %2 gespeichert</translation>
    </message>
    <message>
        <source>No program to show PDF files was found; the document is in %1.</source>
        <translation>Kein Programm zum Anzeigen von PDF-Dateien gefunden; das Dokument liegt in %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ScanModePage</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimieren</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>QR-Code...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>Nach QR-Code-Inhalt benennen</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>QR-Code-Inhalt automatisch aufzeichnen</translation>
    </message>
    <message>
        <source>SaveDirectly</source>
        <translation>Direkt speichern</translation>
    </message>
</context>
<context>
    <name>ViceCamera</name>
    <message>
        <source>Can not load KELM_CamCtl.dll!</source>
        <translation>Die Bibliothek der Zweitkamera kann nicht geladen werden!</translation>
    </message>
    <message>
        <source>Failure to initialize library</source>
        <translation>Die Kamerabibliothek konnte nicht initialisiert werden</translation>
    </message>
    <message>
        <source>Can not find vice camera</source>
        <translation>Keine Zweitkamera gefunden</translation>
    </message>
    <message>
        <source>Failure to start preview</source>
        <translation>Das Bild der Zweitkamera konnte nicht gestartet werden</translation>
    </message>
</context>
</TS>
