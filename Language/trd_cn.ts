<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>左頁</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>右頁</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>自動展平</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>彩色</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>合併左右頁</translation>
    </message>
    <message>
        <source>Save directly</source>
        <translation>直接儲存</translation>
    </message>
</context>
<context>
    <name>CCameraPreview</name>
    <message>
        <source>Finding device...</source>
        <translation>正在尋找裝置...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>正在開啟裝置...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>相機畫面</translation>
    </message>
</context>
<context>
    <name>CPreConfigBar</name>
    <message>
        <source>Doc</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Id Card</source>
        <translation>身分證</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>書籍</translation>
    </message>
</context>
<context>
    <name>CameraPage</name>
    <message>
        <source>Devices:</source>
        <translation>裝置：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解析度：</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>對比：</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>飽和度：</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>頻率：</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>對焦</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>定時：</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>副相機</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>合併</translation>
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
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>Dialog_ImagesOutPut</name>
    <message>
        <source>导出PDF</source>
        <translation>匯出PDF</translation>
    </message>
    <message>
        <source>导出Word</source>
        <translation>匯出Word</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>请添加需要导出的图片:</source>
        <translation>請加入需要匯出的圖片:</translation>
    </message>
    <message>
        <source>添加需要导出的图片</source>
        <translation>加入需要匯出的圖片</translation>
    </message>
    <message>
        <source>从列表中删除指定图片</source>
        <translation>從清單中刪除所選圖片</translation>
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
        <translation>清空清單</translation>
    </message>
    <message>
        <source>右转图片</source>
        <translation>旋轉圖片</translation>
    </message>
    <message>
        <source>当前文档生成的路径</source>
        <translation>目前文件產生的路徑</translation>
    </message>
    <message>
        <source>改变文件夹</source>
        <translation>變更資料夾</translation>
    </message>
    <message>
        <source>将导出的文件保存在其它的位置</source>
        <translation>將匯出的檔案儲存在其他位置</translation>
    </message>
    <message>
        <source>一键生成</source>
        <translation>一鍵產生</translation>
    </message>
    <message>
        <source>Page %v of %m</source>
        <translation>第 %v 頁，共 %m 頁</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>選擇圖片檔案</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</source>
        <translation>圖片 (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>These pictures could not be turned and are unchanged:</source>
        <translation>下列圖片無法旋轉，維持原樣：</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>變更資料夾</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>匯出為Word</translation>
    </message>
    <message>
        <source>Out put to PDF</source>
        <translation>匯出為PDF</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>已產生 %1</translation>
    </message>
    <message>
        <source>Pictures not turned: %1</source>
        <translation>未旋轉的圖片：%1</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The list is empty: add the pictures to put into the document.</source>
        <translation>清單是空的：請加入要放進文件的圖片。</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures; the list has %2.</source>
        <translation>一份文件最多容納 %1 張圖片；清單中有 %2 張。</translation>
    </message>
    <message>
        <source>The document needs a file name: %1</source>
        <translation>文件需要檔案名稱：%1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>資料夾 %1 不存在。</translation>
    </message>
    <message>
        <source>The picture %1 no longer exists.</source>
        <translation>圖片 %1 已不存在。</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 不是可讀取的圖片。</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures.</source>
        <translation>一份文件最多容納 %1 張圖片。</translation>
    </message>
    <message>
        <source>A file name is too long, or has characters this system cannot pass on.</source>
        <translation>檔案名稱過長，或含有系統無法傳遞的字元。</translation>
    </message>
    <message>
        <source>A picture could not be read; it may have changed or been removed.</source>
        <translation>有圖片無法讀取，可能已被變更或移除。</translation>
    </message>
    <message>
        <source>The document could not be written: the folder may be read-only or the disk full.</source>
        <translation>無法寫入文件：資料夾可能為唯讀或磁碟已滿。</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>已取消，未寫入任何文件。</translation>
    </message>
    <message>
        <source>The document component could not be loaded.</source>
        <translation>無法載入文件元件。</translation>
    </message>
    <message>
        <source>The document could not be created (error %1).</source>
        <translation>無法產生文件（錯誤 %1）。</translation>
    </message>
</context>
<context>
    <name>DocumentModePage</name>
    <message>
        <source>Original</source>
        <translation>原圖</translation>
    </message>
    <message>
        <source>Auto Cutting</source>
        <translation>自動裁切</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>優化</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰階</translation>
    </message>
    <message>
        <source>Save Directly</source>
        <translation>直接儲存</translation>
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
        <translation>交換</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>所選影像旋轉180°</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>人臉比對</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>自動識別證件</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>身分證自動校正</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>連同人像儲存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合併</translation>
    </message>
</context>
<context>
    <name>ImageFileRotator</name>
    <message>
        <source>not a picture, or it cannot be read</source>
        <translation>不是圖片，或無法讀取</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>路徑：</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>變更...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>匯出為PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>匯出為Word</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>取消全選</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>刪除所選項目</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>選擇資料夾</translation>
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
        <translation>日期時間</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>日期時間及序號</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>命名：</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>前綴：</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>JPG 品質：</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>文件模式的預設旋轉角度</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>旋轉：</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>選擇浮水印類型：</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>無浮水印</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>日期浮水印</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>文字浮水印</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>圖片浮水印</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>請輸入浮水印內容</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>內容：</translation>
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
        <translation>中央</translation>
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
        <translation>選擇顏色</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>顏色：</translation>
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
        <translation>字號：</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>圖片：</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>選擇...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>選擇影像檔案</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</source>
        <translation>影像 (*.png *.bmp *.tif *.tiff *.gif *.jpg)</translation>
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
        <translation>拍攝（空白鍵）</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>向左旋轉</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>向右旋轉</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>停止定時拍攝</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
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
        <translation>關閉</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>請注意光線環境，避免過曝或過暗</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>按一下開啟說明中心以取得更多資訊...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名稱：</translation>
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
        <translation>Copyright (C) ZR Document Imaging. 版權所有。</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>無法載入相機相關元件，請關閉本軟體。</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>無法儲存 %1：%2</translation>
    </message>
</context>
<context>
    <name>ScanModePage</name>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Camera</source>
        <translation>相機</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>影像</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>檔案</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>優化</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>QR碼...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>以QR碼內容命名</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>自動記錄QR碼內容</translation>
    </message>
    <message>
        <source>SaveDirectly</source>
        <translation>直接儲存</translation>
    </message>
</context>
</TS>
