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
    <name>OutputPipeline</name>
    <message>
        <source>no folder can take the file</source>
        <translation>no folder can take the file</translation>
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
