<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>Left Page</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Right Page</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>Automatic flattening</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>Merge left and right pages</translation>
    </message>
    <message>
        <source>Save directly</source>
        <translation>Save directly</translation>
    </message>
</context>
<context>
    <name>CCameraPreview</name>
    <message>
        <source>Finding device...</source>
        <translation>Finding device...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>Opening device...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>Camera View</translation>
    </message>
</context>
<context>
    <name>CPreConfigBar</name>
    <message>
        <source>Doc</source>
        <translation>Doc</translation>
    </message>
    <message>
        <source>Id Card</source>
        <translation>ID Card</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Book</translation>
    </message>
</context>
<context>
    <name>CViceCamPreview</name>
    <message>
        <source>Open...</source>
        <translation>Opening...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>error 01</source>
        <translation>Error 01: face comparison component missing</translation>
    </message>
    <message>
        <source>error 02</source>
        <translation>Error 02: camera component missing</translation>
    </message>
    <message>
        <source>error 04</source>
        <translation>Error 04: camera library not ready</translation>
    </message>
    <message>
        <source>error 03</source>
        <translation>Error 03: face camera not started</translation>
    </message>
    <message>
        <source>ERROR 05</source>
        <translation>Error 05: no face camera</translation>
    </message>
    <message>
        <source>No Available Device</source>
        <translation>No camera available</translation>
    </message>
    <message>
        <source>No Available Resolution!</source>
        <translation>No resolution available!</translation>
    </message>
    <message>
        <source>Main camera error</source>
        <translation>Document camera error</translation>
    </message>
    <message>
        <source>Main Camera is not running</source>
        <translation>The document camera is not running</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>No face</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Match:</translation>
    </message>
</context>
<context>
    <name>CameraPage</name>
    <message>
        <source>Devices:</source>
        <translation>Devices:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Contrast:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Saturation:</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>Power freq:</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>Timer:</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>Sub camera</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>LeftUp</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>RightUp</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>LeftDown</source>
        <translation>Bottom L</translation>
    </message>
    <message>
        <source>RightDown</source>
        <translation>Bottom R</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CaptureController</name>
    <message>
        <source>The camera is not running — nothing captured</source>
        <translation>The camera is not running — nothing captured</translation>
    </message>
    <message>
        <source>Too many captures are waiting — this one was not taken</source>
        <translation>Too many captures are waiting — this one was not taken</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>The camera is in use by another program.</source>
        <translation>The camera is in use by another program.</translation>
    </message>
    <message>
        <source>Camera disconnected</source>
        <translation>Camera disconnected</translation>
    </message>
    <message>
        <source>Opening camera…</source>
        <translation>Opening camera…</translation>
    </message>
</context>
<context>
    <name>Dialog_ImagesOutPut</name>
    <message>
        <source>导出PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>导出Word</source>
        <translation>Export Word</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>请添加需要导出的图片:</source>
        <translation>Add the pictures to export:</translation>
    </message>
    <message>
        <source>添加需要导出的图片</source>
        <translation>Add pictures to export</translation>
    </message>
    <message>
        <source>从列表中删除指定图片</source>
        <translation>Remove the selected pictures from the list</translation>
    </message>
    <message>
        <source>上移位置</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下移位置</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>清空列表</source>
        <translation>Clear the list</translation>
    </message>
    <message>
        <source>右转图片</source>
        <translation>Turn the picture</translation>
    </message>
    <message>
        <source>当前文档生成的路径</source>
        <translation>Where the document will be created</translation>
    </message>
    <message>
        <source>改变文件夹</source>
        <translation>Change...</translation>
    </message>
    <message>
        <source>将导出的文件保存在其它的位置</source>
        <translation>Save the document in another folder</translation>
    </message>
    <message>
        <source>一键生成</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Page %v of %m</source>
        <translation>Page %v of %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Select Picture Files</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</source>
        <translation>Pictures (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>These pictures could not be turned and are unchanged:</source>
        <translation>These pictures could not be turned and are unchanged:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Change Folder</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Export to Word</translation>
    </message>
    <message>
        <source>Out put to PDF</source>
        <translation>Output to PDF</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>Created %1</translation>
    </message>
    <message>
        <source>Pictures not turned: %1</source>
        <translation>Pictures not turned: %1</translation>
    </message>
</context>
<context>
    <name>Dialog_Navigate</name>
    <message>
        <source>Dialog</source>
        <translation>Tour</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The list is empty: add the pictures to put into the document.</source>
        <translation>The list is empty: add the pictures to put into the document.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures; the list has %2.</source>
        <translation>One document holds at most %1 pictures; the list has %2.</translation>
    </message>
    <message>
        <source>The document needs a file name: %1</source>
        <translation>The document needs a file name: %1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>The picture %1 no longer exists.</source>
        <translation>The picture %1 no longer exists.</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 is not a picture that can be read.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures.</source>
        <translation>One document holds at most %1 pictures.</translation>
    </message>
    <message>
        <source>A file name is too long, or has characters this system cannot pass on.</source>
        <translation>A file name is too long, or has characters this system cannot pass on.</translation>
    </message>
    <message>
        <source>A picture could not be read; it may have changed or been removed.</source>
        <translation>A picture could not be read; it may have changed or been removed.</translation>
    </message>
    <message>
        <source>The document could not be written: the folder may be read-only or the disk full.</source>
        <translation>The document could not be written: the folder may be read-only or the disk full.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Cancelled; no document was written.</translation>
    </message>
    <message>
        <source>The document component could not be loaded.</source>
        <translation>The document component could not be loaded.</translation>
    </message>
    <message>
        <source>The document could not be created (error %1).</source>
        <translation>The document could not be created (error %1).</translation>
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
        <translation>Auto Crop</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimize</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>Save Directly</source>
        <translation>Save directly</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Scan modes</source>
        <translation>Scan modes</translation>
    </message>
    <message>
        <source>Options of the mode</source>
        <translation>Options of the mode</translation>
    </message>
    <message>
        <source>Keep the whole picture, or cut out and straighten the page, improve its colours or turn it grey. Ticked, the box on the right saves every capture at once.</source>
        <translation>Keep the whole picture, or cut out and straighten the page, improve its colours or turn it grey. Ticked, the box on the right saves every capture at once.</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Turns the document picture, and the pages saved from it, by a quarter.</source>
        <translation>Turns the document picture, and the pages saved from it, by a quarter.</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Click the button or press Space (or Enter on the keypad): the page is processed, saved and listed on the right.</source>
        <translation>Click the button or press Space (or Enter on the keypad): the page is processed, saved and listed on the right.</translation>
    </message>
    <message>
        <source>Device, resolution and picture; focus, timed capture and the second camera.</source>
        <translation>Device, resolution and picture; focus, timed capture and the second camera.</translation>
    </message>
    <message>
        <source>File format and naming, JPG quality, rotation and the watermark. Every change is kept at once.</source>
        <translation>File format and naming, JPG quality, rotation and the watermark. Every change is kept at once.</translation>
    </message>
    <message>
        <source>The output folder and every saved image.</source>
        <translation>The output folder and every saved image.</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Output folder</translation>
    </message>
    <message>
        <source>Choose where captures are saved, or open that folder.</source>
        <translation>Choose where captures are saved, or open that folder.</translation>
    </message>
    <message>
        <source>PDF, Word and print</source>
        <translation>PDF, Word and print</translation>
    </message>
    <message>
        <source>Put the selected images, in the order you choose, into one PDF or Word document, or print them.</source>
        <translation>Put the selected images, in the order you choose, into one PDF or Word document, or print them.</translation>
    </message>
    <message>
        <source>Saved images</source>
        <translation>Saved images</translation>
    </message>
    <message>
        <source>Every capture, newest last. Click to select, double-click to open, drag into another program, right-click for more.</source>
        <translation>Every capture, newest last. Click to select, double-click to open, drag into another program, right-click for more.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>All images, or none.</source>
        <translation>All images, or none.</translation>
    </message>
    <message>
        <source>Copy and delete</source>
        <translation>Copy and delete</translation>
    </message>
    <message>
        <source>Copy the selected files to paste them elsewhere (Ctrl+C), or move them to the trash.</source>
        <translation>Copy the selected files to paste them elsewhere (Ctrl+C), or move them to the trash.</translation>
    </message>
    <message>
        <source>Scan modes and capture</source>
        <translation>Scan modes and capture</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Click anywhere to continue</source>
        <translation>Click anywhere to continue</translation>
    </message>
    <message>
        <source>Click anywhere to start scanning</source>
        <translation>Click anywhere to start scanning</translation>
    </message>
    <message>
        <source>%1 for pages, %2 for both sides of a card, %3 to name files after their QR code, %4 to split an open book into two pages.</source>
        <translation>%1 for pages, %2 for both sides of a card, %3 to name files after their QR code, %4 to split an open book into two pages.</translation>
    </message>
    <message>
        <source>Text recognition</source>
        <translation>Text recognition</translation>
    </message>
    <message>
        <source>Reads the text of the selected images into a searchable PDF and a text file.</source>
        <translation>Reads the text of the selected images into a searchable PDF and a text file.</translation>
    </message>
</context>
<context>
    <name>HelpTip</name>
    <message>
        <source>Pay attention to light to avoid excessive light or too dark light</source>
        <translation>Pay attention to light to avoid excessive light or too dark light</translation>
    </message>
    <message>
        <source>When scanning a document, place the document within the camera&apos;s shooting range.</source>
        <translation>When scanning a document, place the document within the camera&apos;s shooting range.</translation>
    </message>
    <message>
        <source>If you cannot find the target area, you can manually adjust the screen brightness</source>
        <translation>If you cannot find the target area, you can manually adjust the screen brightness</translation>
    </message>
    <message>
        <source>The software can choose the scanning mode, according to the actual needs and the actual effect selection mode</source>
        <translation>The software can choose the scanning mode, according to the actual needs and the actual effect selection mode</translation>
    </message>
    <message>
        <source>Click the scan button in the lower right corner of the software to complete the scan operation</source>
        <translation>Click the scan button in the lower right corner of the software to complete the scan operation</translation>
    </message>
    <message>
        <source>The right side of the software can directly view the scanned image。</source>
        <translation>The right side of the software can directly view the scanned image。</translation>
    </message>
    <message>
        <source>When scanning books, please open the books naturally to avoid artificial folds</source>
        <translation>When scanning books, please open the books naturally to avoid artificial folds</translation>
    </message>
    <message>
        <source>After the target area is stable, click the scan button</source>
        <translation>After the target area is stable, click the scan button</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range。</source>
        <translation>Place the document within the camera&apos;s shooting range。</translation>
    </message>
    <message>
        <source>After the scan is completed, you can manually rotate the image according to the actual needs and processing results</source>
        <translation>After the scan is completed, you can manually rotate the image according to the actual needs and processing results</translation>
    </message>
    <message>
        <source>After the scan is completed, it can be saved independently, or it can be saved to A4 size paper for easy printing.</source>
        <translation>After the scan is completed, it can be saved independently, or it can be saved to A4 size paper for easy printing.</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range</source>
        <translation>Place the document within the camera&apos;s shooting range</translation>
    </message>
    <message>
        <source>If there is a qr code in the document, the software will automatically identify the qr code.</source>
        <translation>If there is a qr code in the document, the software will automatically identify the qr code.</translation>
    </message>
    <message>
        <source>Please remove the glasses when shooting.</source>
        <translation>Please remove the glasses when shooting.</translation>
    </message>
    <message>
        <source>Face straight to attached camera.</source>
        <translation>Face straight to attached camera.</translation>
    </message>
    <message>
        <source>The contrast values are displayed in real time under the software.</source>
        <translation>The contrast values are displayed in real time under the software.</translation>
    </message>
    <message>
        <source>Please check whether the computer is connected to the equipment properly.</source>
        <translation>Please check whether the computer is connected to the equipment properly.</translation>
    </message>
    <message>
        <source>Check whether the device exists in the computer device manager -&gt; image device.</source>
        <translation>Check whether the device exists in the computer device manager -&gt; image device.</translation>
    </message>
    <message>
        <source>Check to see if there is any third-party software that takes up the camera.</source>
        <translation>Check to see if there is any third-party software that takes up the camera.</translation>
    </message>
    <message>
        <source>If you still can&apos;t handle it, please contact the manufacturer</source>
        <translation>If you still can&apos;t handle it, please contact the manufacturer</translation>
    </message>
    <message>
        <source>Pictures in the list bar can be exported to PDF,WORD and other formats.</source>
        <translation>Pictures in the list bar can be exported to PDF,WORD and other formats.</translation>
    </message>
</context>
<context>
    <name>IdCardModePage</name>
    <message>
        <source>Positive</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Negtive</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Exchange</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>Rotate the selected image by 180°</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Face match</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>Automatic identification of ID</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>Correct the identity card automatically</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>Save with portrait</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
</context>
<context>
    <name>ImageFileRotator</name>
    <message>
        <source>not a picture, or it cannot be read</source>
        <translation>not a picture, or it cannot be read</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Change...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Export to Word</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>Select None</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>Delete Selected Items</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Select Folder</translation>
    </message>
    <message>
        <source>The text recognition program could not be started: %1</source>
        <translation>The text recognition program could not be started: %1</translation>
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
        <translation>Date &amp; Time</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>Date, Time &amp; Index</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>Naming:</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>Prefix:</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>JPG quality:</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>Default rotation angle in document mode</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>Rotation:</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>Select the watermark type:</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>No watermark</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>Date watermark</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>Text watermark</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>Image watermark</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>Please enter the watermark text</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Right&amp;Down</source>
        <translation>Bottom R</translation>
    </message>
    <message>
        <source>Left&amp;Up</source>
        <translation>Top L</translation>
    </message>
    <message>
        <source>Left&amp;Cetner</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Left&amp;Down</source>
        <translation>Bottom L</translation>
    </message>
    <message>
        <source>Center&amp;Up</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Center&amp;Down</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Right&amp;Up</source>
        <translation>Top R</translation>
    </message>
    <message>
        <source>Right&amp;Center</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Color...</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacity:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Text Size:</source>
        <translation>Text size:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Select Image File</translation>
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
        <translation>Take photo (Space)</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Turn left</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Turn right</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>Stop timed capture</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>Please pay attention to the lighting: avoid overexposure and too little light</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>Click to open the Help Center for more information...</translation>
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
        <translation>Company:</translation>
    </message>
    <message>
        <source>ZR Document Imaging</source>
        <translation>ZR Document Imaging</translation>
    </message>
    <message>
        <source>Copyright (C) ZR Document Imaging. All rights reserved.</source>
        <translation>Copyright (C) ZR Document Imaging. All rights reserved.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>Unable to load the camera components. Please close this program.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Could not save %1: %2</translation>
    </message>
    <message>
        <source>Output folder %1 cannot be used; saving to %2 for now</source>
        <translation>Output folder %1 cannot be used; saving to %2 for now</translation>
    </message>
    <message>
        <source>Saving to %1 again</source>
        <translation>Saving to %1 again</translation>
    </message>
    <message>
        <source>No page found — nothing saved</source>
        <translation>No page found — nothing saved</translation>
    </message>
    <message numerus="yes">
        <source>%n captures not taken: the camera stopped</source>
        <translation>
            <numerusform>%n capture not taken: the camera stopped</numerusform>
            <numerusform>%n captures not taken: the camera stopped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files moved to trash</source>
        <translation>
            <numerusform>%n file moved to trash</numerusform>
            <numerusform>%n files moved to trash</numerusform>
        </translation>
    </message>
    <message>
        <source>could not move %1 to trash</source>
        <translation>could not move %1 to trash</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Could not restore %1 from the trash</source>
        <translation>Could not restore %1 from the trash</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>OcrJob</name>
    <message>
        <source>Skipped %1: the file does not exist.</source>
        <translation>Skipped %1: the file does not exist.</translation>
    </message>
    <message>
        <source>%1 is very large; it is read from a reduced copy.</source>
        <translation>%1 is very large; it is read from a reduced copy.</translation>
    </message>
    <message>
        <source>Skipped %1: it is not a picture that can be read.</source>
        <translation>Skipped %1: it is not a picture that can be read.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Cancelled; no document was written.</translation>
    </message>
    <message>
        <source>None of the files could be read; no document was written.</source>
        <translation>None of the files could be read; no document was written.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages read.</source>
        <translation>
            <numerusform>%n page read.</numerusform>
            <numerusform>%n pages read.</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it cannot be put into a PDF (%2).</source>
        <translation>Skipped %1: it cannot be put into a PDF (%2).</translation>
    </message>
</context>
<context>
    <name>OutputPipeline</name>
    <message>
        <source>no folder can take the file</source>
        <translation>no folder can take the file</translation>
    </message>
</context>
<context>
    <name>Rir</name>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Page %1 of %2: %3</translation>
    </message>
    <message>
        <source>The recognition data for &quot;%1&quot; is not installed.</source>
        <translation>The recognition data for &quot;%1&quot; is not installed.</translation>
    </message>
    <message>
        <source>Reading the pages as English.</source>
        <translation>Reading the pages as English.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the folder may be missing or read-only.</source>
        <translation>Cannot write into %1: the folder may be missing or read-only.</translation>
    </message>
    <message>
        <source>%1 changed or vanished while it was read.</source>
        <translation>%1 changed or vanished while it was read.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the disk may be full.</source>
        <translation>Cannot write into %1: the disk may be full.</translation>
    </message>
    <message>
        <source>Reads the text of pictures of pages and writes a searchable PDF and a text file.</source>
        <translation>Reads the text of pictures of pages and writes a searchable PDF and a text file.</translation>
    </message>
    <message>
        <source>Languages of the text, such as deu+eng.</source>
        <translation>Languages of the text, such as deu+eng.</translation>
    </message>
    <message>
        <source>Folder for the PDF and the text file.</source>
        <translation>Folder for the PDF and the text file.</translation>
    </message>
    <message>
        <source>Pages read at the same time.</source>
        <translation>Pages read at the same time.</translation>
    </message>
    <message>
        <source>No window: progress lines on the terminal.</source>
        <translation>No window: progress lines on the terminal.</translation>
    </message>
    <message>
        <source>The pictures, one page each.</source>
        <translation>The pictures, one page each.</translation>
    </message>
    <message>
        <source>No pictures were given.</source>
        <translation>No pictures were given.</translation>
    </message>
    <message>
        <source>No text recognition data is installed in %1.</source>
        <translation>No text recognition data is installed in %1.</translation>
    </message>
</context>
<context>
    <name>RirWindow</name>
    <message>
        <source>Rir - text recognition</source>
        <translation>Rir - text recognition</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Starting...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelling...</translation>
    </message>
    <message>
        <source>Nothing was read.</source>
        <translation>Nothing was read.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>No document was written.</source>
        <translation>No document was written.</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <translation>Saved %1 and %2</translation>
    </message>
    <message>
        <source>No program to show PDF files was found; the document is in %1.</source>
        <translation>No program to show PDF files was found; the document is in %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ScanModePage</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Files</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimize</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>QR code...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>Name files by QR code content</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>Automatically record QR code content</translation>
    </message>
    <message>
        <source>SaveDirectly</source>
        <translation>Save directly</translation>
    </message>
</context>
<context>
    <name>ViceCamera</name>
    <message>
        <source>Can not load KELM_CamCtl.dll!</source>
        <translation>The sub camera&apos;s library cannot be loaded!</translation>
    </message>
    <message>
        <source>Failure to initialize library</source>
        <translation>The camera library could not be initialised</translation>
    </message>
    <message>
        <source>Can not find vice camera</source>
        <translation>No sub camera found</translation>
    </message>
    <message>
        <source>Failure to start preview</source>
        <translation>The sub camera&apos;s picture could not be started</translation>
    </message>
</context>
</TS>
