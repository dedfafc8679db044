<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>左页</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>右页</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>自动展平</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>彩色</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>合并左右页</translation>
    </message>
    <message>
        <source>Save directly</source>
        <translation>直接保存</translation>
    </message>
</context>
<context>
    <name>CCameraPreview</name>
    <message>
        <source>Finding device...</source>
        <translation>正在查找设备...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>正在打开设备...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>相机画面</translation>
    </message>
</context>
<context>
    <name>CPreConfigBar</name>
    <message>
        <source>Doc</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Id Card</source>
        <translation>身份证</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>书籍</translation>
    </message>
</context>
<context>
    <name>CViceCamPreview</name>
    <message>
        <source>Open...</source>
        <translation>正在打开...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>error 01</source>
        <translation>错误 01：缺少人脸比对组件</translation>
    </message>
    <message>
        <source>error 02</source>
        <translation>错误 02：缺少相机组件</translation>
    </message>
    <message>
        <source>error 04</source>
        <translation>错误 04：相机库未就绪</translation>
    </message>
    <message>
        <source>error 03</source>
        <translation>错误 03：人脸相机未启动</translation>
    </message>
    <message>
        <source>ERROR 05</source>
        <translation>错误 05：没有人脸相机</translation>
    </message>
    <message>
        <source>No Available Device</source>
        <translation>没有可用的相机</translation>
    </message>
    <message>
        <source>No Available Resolution!</source>
        <translation>没有可用的分辨率！</translation>
    </message>
    <message>
        <source>Main camera error</source>
        <translation>文档相机错误</translation>
    </message>
    <message>
        <source>Main Camera is not running</source>
        <translation>文档相机未运行</translation>
    </message>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>未检测到人脸</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>相似度：</translation>
    </message>
</context>
<context>
    <name>CameraPage</name>
    <message>
        <source>Devices:</source>
        <translation>设备：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>对比度：</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>饱和度：</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>频率：</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>对焦</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>定时：</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>副相机</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>LeftUp</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>RightUp</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>LeftDown</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>RightDown</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CaptureController</name>
    <message>
        <source>The camera is not running — nothing captured</source>
        <translation>相机未运行 — 未拍摄</translation>
    </message>
    <message>
        <source>Too many captures are waiting — this one was not taken</source>
        <translation>等待中的拍摄过多 — 本次未拍摄</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>The camera is in use by another program.</source>
        <translation>摄像头正被其他程序使用。</translation>
    </message>
    <message>
        <source>Camera disconnected</source>
        <translation>摄像头已断开</translation>
    </message>
    <message>
        <source>Opening camera…</source>
        <translation>正在打开相机…</translation>
    </message>
</context>
<context>
    <name>Dialog_ImagesOutPut</name>
    <message>
        <source>导出PDF</source>
        <translation>导出PDF</translation>
    </message>
    <message>
        <source>导出Word</source>
        <translation>导出Word</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>请添加需要导出的图片:</source>
        <translation>请添加需要导出的图片:</translation>
    </message>
    <message>
        <source>添加需要导出的图片</source>
        <translation>添加需要导出的图片</translation>
    </message>
    <message>
        <source>从列表中删除指定图片</source>
        <translation>从列表中删除指定图片</translation>
    </message>
    <message>
        <source>上移位置</source>
        <translation>上移位置</translation>
    </message>
    <message>
        <source>下移位置</source>
        <translation>下移位置</translation>
    </message>
    <message>
        <source>清空列表</source>
        <translation>清空列表</translation>
    </message>
    <message>
        <source>右转图片</source>
        <translation>旋转图片</translation>
    </message>
    <message>
        <source>当前文档生成的路径</source>
        <translation>当前文档生成的路径</translation>
    </message>
    <message>
        <source>改变文件夹</source>
        <translation>改变文件夹</translation>
    </message>
    <message>
        <source>将导出的文件保存在其它的位置</source>
        <translation>将导出的文件保存在其它的位置</translation>
    </message>
    <message>
        <source>一键生成</source>
        <translation>一键生成</translation>
    </message>
    <message>
        <source>Page %v of %m</source>
        <translation>第 %v 页，共 %m 页</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>选择图片文件</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</source>
        <translation>图片 (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>These pictures could not be turned and are unchanged:</source>
        <translation>下列图片无法旋转，保持原样：</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>更改文件夹</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>输出为Word</translation>
    </message>
    <message>
        <source>Out put to PDF</source>
        <translation>输出为PDF</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>已生成 %1</translation>
    </message>
    <message>
        <source>Pictures not turned: %1</source>
        <translation>未旋转的图片：%1</translation>
    </message>
</context>
<context>
    <name>Dialog_Navigate</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The list is empty: add the pictures to put into the document.</source>
        <translation>列表为空：请添加要放入文档的图片。</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures; the list has %2.</source>
        <translation>一个文档最多容纳 %1 张图片；列表中有 %2 张。</translation>
    </message>
    <message>
        <source>The document needs a file name: %1</source>
        <translation>文档需要文件名：%1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>The picture %1 no longer exists.</source>
        <translation>图片 %1 已不存在。</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 不是可读取的图片。</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures.</source>
        <translation>一个文档最多容纳 %1 张图片。</translation>
    </message>
    <message>
        <source>A file name is too long, or has characters this system cannot pass on.</source>
        <translation>文件名过长，或含有系统无法传递的字符。</translation>
    </message>
    <message>
        <source>A picture could not be read; it may have changed or been removed.</source>
        <translation>有图片无法读取，可能已被更改或删除。</translation>
    </message>
    <message>
        <source>The document could not be written: the folder may be read-only or the disk full.</source>
        <translation>无法写入文档：文件夹可能为只读或磁盘已满。</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>已取消，未写入任何文档。</translation>
    </message>
    <message>
        <source>The document component could not be loaded.</source>
        <translation>无法加载文档组件。</translation>
    </message>
    <message>
        <source>The document could not be created (error %1).</source>
        <translation>无法生成文档（错误 %1）。</translation>
    </message>
</context>
<context>
    <name>DocumentModePage</name>
    <message>
        <source>Original</source>
        <translation>原图</translation>
    </message>
    <message>
        <source>Auto Cutting</source>
        <translation>自动裁切</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>优化</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰度</translation>
    </message>
    <message>
        <source>Save Directly</source>
        <translation>直接保存</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Scan modes</source>
        <translation>扫描模式</translation>
    </message>
    <message>
        <source>Options of the mode</source>
        <translation>模式选项</translation>
    </message>
    <message>
        <source>Keep the whole picture, or cut out and straighten the page, improve its colours or turn it grey. Ticked, the box on the right saves every capture at once.</source>
        <translation>保留整张画面，或裁切并摆正页面、优化颜色或转为灰度。勾选右侧的方框后，每次拍摄都会立即保存。</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Turns the document picture, and the pages saved from it, by a quarter.</source>
        <translation>将文档画面及由此保存的页面旋转90度。</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>拍摄</translation>
    </message>
    <message>
        <source>Click the button or press Space (or Enter on the keypad): the page is processed, saved and listed on the right.</source>
        <translation>点击按钮或按空格键（或小键盘的回车键）：页面经过处理、保存后列在右侧。</translation>
    </message>
    <message>
        <source>Device, resolution and picture; focus, timed capture and the second camera.</source>
        <translation>设备、分辨率和画面；对焦、定时拍摄和第二个摄像头。</translation>
    </message>
    <message>
        <source>File format and naming, JPG quality, rotation and the watermark. Every change is kept at once.</source>
        <translation>文件格式和命名、JPG质量、旋转和水印。每项更改都会立即保存。</translation>
    </message>
    <message>
        <source>The output folder and every saved image.</source>
        <translation>输出文件夹和每张已保存的图像。</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Choose where captures are saved, or open that folder.</source>
        <translation>选择拍摄图像的保存位置，或打开该文件夹。</translation>
    </message>
    <message>
        <source>PDF, Word and print</source>
        <translation>PDF、Word和打印</translation>
    </message>
    <message>
        <source>Put the selected images, in the order you choose, into one PDF or Word document, or print them.</source>
        <translation>将所选图像按您选择的顺序放入一个PDF或Word文档，或打印出来。</translation>
    </message>
    <message>
        <source>Saved images</source>
        <translation>已保存的图像</translation>
    </message>
    <message>
        <source>Every capture, newest last. Click to select, double-click to open, drag into another program, right-click for more.</source>
        <translation>每次拍摄的图像，最新的在最后。单击选择，双击打开，拖到其他程序，右键查看更多操作。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>All images, or none.</source>
        <translation>全选或全不选。</translation>
    </message>
    <message>
        <source>Copy and delete</source>
        <translation>复制和删除</translation>
    </message>
    <message>
        <source>Copy the selected files to paste them elsewhere (Ctrl+C), or move them to the trash.</source>
        <translation>复制所选文件以便粘贴到别处（Ctrl+C），或将其移到回收站。</translation>
    </message>
    <message>
        <source>Scan modes and capture</source>
        <translation>扫描模式和拍摄</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 / %2 页</translation>
    </message>
    <message>
        <source>Click anywhere to continue</source>
        <translation>点击任意位置继续</translation>
    </message>
    <message>
        <source>Click anywhere to start scanning</source>
        <translation>点击任意位置开始扫描</translation>
    </message>
    <message>
        <source>%1 for pages, %2 for both sides of a card, %3 to name files after their QR code, %4 to split an open book into two pages.</source>
        <translation>%1 用于页面，%2 用于卡片的正反面，%3 按二维码内容命名文件，%4 将打开的书分成两页。</translation>
    </message>
    <message>
        <source>Text recognition</source>
        <translation>文字识别</translation>
    </message>
    <message>
        <source>Reads the text of the selected images into a searchable PDF and a text file.</source>
        <translation>识别所选图像中的文字，生成可搜索的PDF和文本文件。</translation>
    </message>
</context>
<context>
    <name>HelpTip</name>
    <message>
        <source>Pay attention to light to avoid excessive light or too dark light</source>
        <translation>注意光线，避免过亮或过暗</translation>
    </message>
    <message>
        <source>When scanning a document, place the document within the camera&apos;s shooting range.</source>
        <translation>扫描文档时，请将文档放在摄像头拍摄范围内。</translation>
    </message>
    <message>
        <source>If you cannot find the target area, you can manually adjust the screen brightness</source>
        <translation>如果找不到目标区域，可以手动调节画面亮度</translation>
    </message>
    <message>
        <source>The software can choose the scanning mode, according to the actual needs and the actual effect selection mode</source>
        <translation>软件可以选择扫描模式，请根据实际需要和实际效果选择模式</translation>
    </message>
    <message>
        <source>Click the scan button in the lower right corner of the software to complete the scan operation</source>
        <translation>点击软件右下角的扫描按钮即可完成扫描</translation>
    </message>
    <message>
        <source>The right side of the software can directly view the scanned image。</source>
        <translation>软件右侧可以直接查看扫描的图像。</translation>
    </message>
    <message>
        <source>When scanning books, please open the books naturally to avoid artificial folds</source>
        <translation>扫描书籍时，请自然打开书本，避免人为折痕</translation>
    </message>
    <message>
        <source>After the target area is stable, click the scan button</source>
        <translation>目标区域稳定后，点击扫描按钮</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range。</source>
        <translation>请将文档放在摄像头拍摄范围内。</translation>
    </message>
    <message>
        <source>After the scan is completed, you can manually rotate the image according to the actual needs and processing results</source>
        <translation>扫描完成后，可根据实际需要和处理效果手动旋转图像</translation>
    </message>
    <message>
        <source>After the scan is completed, it can be saved independently, or it can be saved to A4 size paper for easy printing.</source>
        <translation>扫描完成后，可以单独保存，也可以保存到A4纸上以便打印。</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range</source>
        <translation>请将文档放在摄像头拍摄范围内</translation>
    </message>
    <message>
        <source>If there is a qr code in the document, the software will automatically identify the qr code.</source>
        <translation>如果文档中有二维码，软件会自动识别二维码。</translation>
    </message>
    <message>
        <source>Please remove the glasses when shooting.</source>
        <translation>拍摄时请摘下眼镜。</translation>
    </message>
    <message>
        <source>Face straight to attached camera.</source>
        <translation>请正对副摄像头。</translation>
    </message>
    <message>
        <source>The contrast values are displayed in real time under the software.</source>
        <translation>对比值会实时显示在软件下方。</translation>
    </message>
    <message>
        <source>Please check whether the computer is connected to the equipment properly.</source>
        <translation>请检查电脑与设备是否连接正常。</translation>
    </message>
    <message>
        <source>Check whether the device exists in the computer device manager -&gt; image device.</source>
        <translation>请在电脑设备管理器的图像设备中检查设备是否存在。</translation>
    </message>
    <message>
        <source>Check to see if there is any third-party software that takes up the camera.</source>
        <translation>请检查是否有第三方软件占用摄像头。</translation>
    </message>
    <message>
        <source>If you still can&apos;t handle it, please contact the manufacturer</source>
        <translation>如仍无法解决，请联系厂家</translation>
    </message>
    <message>
        <source>Pictures in the list bar can be exported to PDF,WORD and other formats.</source>
        <translation>列表栏中的图片可以导出为PDF、WORD等格式。</translation>
    </message>
</context>
<context>
    <name>IdCardModePage</name>
    <message>
        <source>Positive</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Negtive</source>
        <translation>反面</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>人像</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>交换</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>所选图像旋转180°</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>人脸比对</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>自动识别证件</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>身份证自动校正</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>连同人像保存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合并</translation>
    </message>
</context>
<context>
    <name>ImageFileRotator</name>
    <message>
        <source>not a picture, or it cannot be read</source>
        <translation>不是图片，或无法读取</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>路径：</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>更改...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>导出为PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>导出为Word</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>取消全选</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>删除所选项</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>The text recognition program could not be started: %1</source>
        <translation>无法启动文字识别程序：%1</translation>
    </message>
</context>
<context>
    <name>ImageSetPage</name>
    <message>
        <source>Img Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Time&amp;Date</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>日期时间及序号</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>命名：</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>前缀：</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>JPG 质量：</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>文档模式默认旋转角度</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>旋转：</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>选择水印类型：</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>无水印</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>日期水印</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>文字水印</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>图片水印</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>请输入水印内容</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>内容：</translation>
    </message>
    <message>
        <source>Right&amp;Down</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Left&amp;Up</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Left&amp;Cetner</source>
        <translation>左中</translation>
    </message>
    <message>
        <source>Left&amp;Down</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Center&amp;Up</source>
        <translation>中上</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Center&amp;Down</source>
        <translation>中下</translation>
    </message>
    <message>
        <source>Right&amp;Up</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Right&amp;Center</source>
        <translation>右中</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Text Size:</source>
        <translation>字号：</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>选择图像文件</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</source>
        <translation>图像 (*.png *.bmp *.tif *.tiff *.gif *.jpg)</translation>
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
        <translation>拍照（空格键）</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>停止定时拍摄</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>请注意光线环境，避免过曝或过暗</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>单击打开帮助中心了解更多信息...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Ver:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>公司：</translation>
    </message>
    <message>
        <source>ZR Document Imaging</source>
        <translation>ZR Document Imaging</translation>
    </message>
    <message>
        <source>Copyright (C) ZR Document Imaging. All rights reserved.</source>
        <translation>Copyright (C) ZR Document Imaging. 保留所有权利。</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>无法加载相机相关组件，请关闭本软件。</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message>
        <source>Output folder %1 cannot be used; saving to %2 for now</source>
        <translation>输出文件夹 %1 无法使用；暂时保存到 %2</translation>
    </message>
    <message>
        <source>Saving to %1 again</source>
        <translation>重新保存到 %1</translation>
    </message>
    <message>
        <source>No page found — nothing saved</source>
        <translation>未找到页面 — 未保存</translation>
    </message>
    <message numerus="yes">
        <source>%n captures not taken: the camera stopped</source>
        <translation>
            <numerusform>%n 次拍摄未完成：相机已停止</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files moved to trash</source>
        <translation>
            <numerusform>已将 %n 个文件移到回收站</numerusform>
        </translation>
    </message>
    <message>
        <source>could not move %1 to trash</source>
        <translation>无法将 %1 移到回收站</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Could not restore %1 from the trash</source>
        <translation>无法从回收站恢复 %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>OcrJob</name>
    <message>
        <source>Skipped %1: the file does not exist.</source>
        <translation>已跳过 %1：文件不存在。</translation>
    </message>
    <message>
        <source>%1 is very large; it is read from a reduced copy.</source>
        <translation>%1 非常大，将从缩小的副本中识别。</translation>
    </message>
    <message>
        <source>Skipped %1: it is not a picture that can be read.</source>
        <translation>已跳过 %1：不是可读取的图片。</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>已取消，未写入任何文档。</translation>
    </message>
    <message>
        <source>None of the files could be read; no document was written.</source>
        <translation>所有文件均无法读取，未生成文档。</translation>
    </message>
    <message numerus="yes">
        <source>%n pages read.</source>
        <translation>
            <numerusform>已识别 %n 页。</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it cannot be put into a PDF (%2).</source>
        <translation>已跳过 %1：无法放入 PDF（%2）。</translation>
    </message>
</context>
<context>
    <name>OutputPipeline</name>
    <message>
        <source>no folder can take the file</source>
        <translation>没有可保存文件的文件夹</translation>
    </message>
</context>
<context>
    <name>Rir</name>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>第 %1 页，共 %2 页：%3</translation>
    </message>
    <message>
        <source>The recognition data for &quot;%1&quot; is not installed.</source>
        <translation>未安装“%1”的识别数据。</translation>
    </message>
    <message>
        <source>Reading the pages as English.</source>
        <translation>将按英文识别页面。</translation>
    </message>
    <message>
        <source>Cannot write into %1: the folder may be missing or read-only.</source>
        <translation>无法写入 %1：文件夹不存在或为只读。</translation>
    </message>
    <message>
        <source>%1 changed or vanished while it was read.</source>
        <translation>%1 在读取时被更改或已不存在。</translation>
    </message>
    <message>
        <source>Cannot write into %1: the disk may be full.</source>
        <translation>无法写入 %1：磁盘可能已满。</translation>
    </message>
    <message>
        <source>Reads the text of pictures of pages and writes a searchable PDF and a text file.</source>
        <translation>识别页面图片中的文字，生成可搜索的 PDF 和文本文件。</translation>
    </message>
    <message>
        <source>Languages of the text, such as deu+eng.</source>
        <translation>文本的语言，例如 chi_sim+eng。</translation>
    </message>
    <message>
        <source>Folder for the PDF and the text file.</source>
        <translation>PDF 和文本文件的保存文件夹。</translation>
    </message>
    <message>
        <source>Pages read at the same time.</source>
        <translation>同时识别的页数。</translation>
    </message>
    <message>
        <source>No window: progress lines on the terminal.</source>
        <translation>不显示窗口：在终端输出进度。</translation>
    </message>
    <message>
        <source>The pictures, one page each.</source>
        <translation>图片，每张一页。</translation>
    </message>
    <message>
        <source>No pictures were given.</source>
        <translation>未指定图片。</translation>
    </message>
    <message>
        <source>No text recognition data is installed in %1.</source>
        <translation>%1 中未安装文字识别数据。</translation>
    </message>
</context>
<context>
    <name>RirWindow</name>
    <message>
        <source>Rir - text recognition</source>
        <translation>Rir - 文字识别</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在启动…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消…</translation>
    </message>
    <message>
        <source>Nothing was read.</source>
        <translation>未识别任何内容。</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>No document was written.</source>
        <translation>未生成文档。</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <translation>已保存 %1 和 %2</translation>
    </message>
    <message>
        <source>No program to show PDF files was found; the document is in %1.</source>
        <translation>未找到可显示 PDF 的程序；文档位于 %1。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ScanModePage</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Camera</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>优化</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>二维码...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>以二维码内容命名</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>自动记录二维码内容</translation>
    </message>
    <message>
        <source>SaveDirectly</source>
        <translation>直接保存</translation>
    </message>
</context>
<context>
    <name>ViceCamera</name>
    <message>
        <source>Can not load KELM_CamCtl.dll!</source>
        <translation>无法加载副相机的库！</translation>
    </message>
    <message>
        <source>Failure to initialize library</source>
        <translation>相机库初始化失败</translation>
    </message>
    <message>
        <source>Can not find vice camera</source>
        <translation>未找到副相机</translation>
    </message>
    <message>
        <source>Failure to start preview</source>
        <translation>无法启动副相机画面</translation>
    </message>
</context>
</TS>
