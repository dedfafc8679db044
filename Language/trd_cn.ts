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
    <name>CViceCamPreview</name>
    <message>
        <source>Open...</source>
        <translation>正在開啟...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在載入...</translation>
    </message>
    <message>
        <source>error 01</source>
        <translation>錯誤 01：缺少人臉比對元件</translation>
    </message>
    <message>
        <source>error 02</source>
        <translation>錯誤 02：缺少相機元件</translation>
    </message>
    <message>
        <source>error 04</source>
        <translation>錯誤 04：相機庫未就緒</translation>
    </message>
    <message>
        <source>error 03</source>
        <translation>錯誤 03：人臉相機未啟動</translation>
    </message>
    <message>
        <source>ERROR 05</source>
        <translation>錯誤 05：沒有人臉相機</translation>
    </message>
    <message>
        <source>No Available Device</source>
        <translation>沒有可用的相機</translation>
    </message>
    <message>
        <source>No Available Resolution!</source>
        <translation>沒有可用的解析度！</translation>
    </message>
    <message>
        <source>Main camera error</source>
        <translation>文件相機錯誤</translation>
    </message>
    <message>
        <source>Main Camera is not running</source>
        <translation>文件相機未運行</translation>
    </message>
    <message>
        <source>error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>未偵測到人臉</translation>
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
    <name>CaptureController</name>
    <message>
        <source>The camera is not running — nothing captured</source>
        <translation>相機未運行 — 未拍攝</translation>
    </message>
    <message>
        <source>Too many captures are waiting — this one was not taken</source>
        <translation>等待中的拍攝過多 — 本次未拍攝</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>The camera is in use by another program.</source>
        <translation>攝影機正被其他程式使用。</translation>
    </message>
    <message>
        <source>Camera disconnected</source>
        <translation>攝影機已中斷連線</translation>
    </message>
    <message>
        <source>Opening camera…</source>
        <translation>正在開啟相機…</translation>
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
    <name>Dialog_Navigate</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
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
    <name>HelpPages</name>
    <message>
        <source>Scan modes</source>
        <translation>掃描模式</translation>
    </message>
    <message>
        <source>Options of the mode</source>
        <translation>模式選項</translation>
    </message>
    <message>
        <source>Keep the whole picture, or cut out and straighten the page, improve its colours or turn it grey. Ticked, the box on the right saves every capture at once.</source>
        <translation>保留整個畫面，或裁切並擺正頁面、最佳化色彩或轉為灰階。勾選右側的方塊後，每次拍攝都會立即儲存。</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>旋轉</translation>
    </message>
    <message>
        <source>Turns the document picture, and the pages saved from it, by a quarter.</source>
        <translation>將文件畫面及由此儲存的頁面旋轉90度。</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>拍攝</translation>
    </message>
    <message>
        <source>Click the button or press Space (or Enter on the keypad): the page is processed, saved and listed on the right.</source>
        <translation>點擊按鈕或按空白鍵（或數字鍵台的 Enter 鍵）：頁面經過處理、儲存後列在右側。</translation>
    </message>
    <message>
        <source>Device, resolution and picture; focus, timed capture and the second camera.</source>
        <translation>裝置、解析度和畫面；對焦、定時拍攝和第二部攝影機。</translation>
    </message>
    <message>
        <source>File format and naming, JPG quality, rotation and the watermark. Every change is kept at once.</source>
        <translation>檔案格式和命名、JPG 品質、旋轉和浮水印。每項變更都會立即儲存。</translation>
    </message>
    <message>
        <source>The output folder and every saved image.</source>
        <translation>輸出資料夾和每張已儲存的影像。</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>輸出資料夾</translation>
    </message>
    <message>
        <source>Choose where captures are saved, or open that folder.</source>
        <translation>選擇拍攝影像的儲存位置，或開啟該資料夾。</translation>
    </message>
    <message>
        <source>PDF, Word and print</source>
        <translation>PDF、Word 和列印</translation>
    </message>
    <message>
        <source>Put the selected images, in the order you choose, into one PDF or Word document, or print them.</source>
        <translation>將所選影像依您選擇的順序放入一個 PDF 或 Word 文件，或列印出來。</translation>
    </message>
    <message>
        <source>Saved images</source>
        <translation>已儲存的影像</translation>
    </message>
    <message>
        <source>Every capture, newest last. Click to select, double-click to open, drag into another program, right-click for more.</source>
        <translation>每次拍攝的影像，最新的在最後。按一下選取，按兩下開啟，拖曳到其他程式，按右鍵查看更多操作。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>All images, or none.</source>
        <translation>全選或全不選。</translation>
    </message>
    <message>
        <source>Copy and delete</source>
        <translation>複製和刪除</translation>
    </message>
    <message>
        <source>Copy the selected files to paste them elsewhere (Ctrl+C), or move them to the trash.</source>
        <translation>複製所選檔案以便貼到別處（Ctrl+C），或將其移到資源回收筒。</translation>
    </message>
    <message>
        <source>Scan modes and capture</source>
        <translation>掃描模式和拍攝</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 / %2 頁</translation>
    </message>
    <message>
        <source>Click anywhere to continue</source>
        <translation>點擊任意位置繼續</translation>
    </message>
    <message>
        <source>Click anywhere to start scanning</source>
        <translation>點擊任意位置開始掃描</translation>
    </message>
    <message>
        <source>%1 for pages, %2 for both sides of a card, %3 to name files after their QR code, %4 to split an open book into two pages.</source>
        <translation>%1 用於頁面，%2 用於卡片的正反面，%3 依 QR 碼內容命名檔案，%4 將打開的書分成兩頁。</translation>
    </message>
    <message>
        <source>Text recognition</source>
        <translation>文字辨識</translation>
    </message>
    <message>
        <source>Reads the text of the selected images into a searchable PDF and a text file.</source>
        <translation>辨識所選影像中的文字，產生可搜尋的 PDF 和文字檔。</translation>
    </message>
</context>
<context>
    <name>HelpTip</name>
    <message>
        <source>Pay attention to light to avoid excessive light or too dark light</source>
        <translation>注意光線，避免過亮或過暗</translation>
    </message>
    <message>
        <source>When scanning a document, place the document within the camera&apos;s shooting range.</source>
        <translation>掃描文件時，請將文件放在攝影機拍攝範圍內。</translation>
    </message>
    <message>
        <source>If you cannot find the target area, you can manually adjust the screen brightness</source>
        <translation>如果找不到目標區域，可以手動調整畫面亮度</translation>
    </message>
    <message>
        <source>The software can choose the scanning mode, according to the actual needs and the actual effect selection mode</source>
        <translation>軟體可以選擇掃描模式，請依實際需要和實際效果選擇模式</translation>
    </message>
    <message>
        <source>Click the scan button in the lower right corner of the software to complete the scan operation</source>
        <translation>點擊軟體右下角的掃描按鈕即可完成掃描</translation>
    </message>
    <message>
        <source>The right side of the software can directly view the scanned image。</source>
        <translation>軟體右側可以直接查看掃描的影像。</translation>
    </message>
    <message>
        <source>When scanning books, please open the books naturally to avoid artificial folds</source>
        <translation>掃描書籍時，請自然打開書本，避免人為摺痕</translation>
    </message>
    <message>
        <source>After the target area is stable, click the scan button</source>
        <translation>目標區域穩定後，點擊掃描按鈕</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range。</source>
        <translation>請將文件放在攝影機拍攝範圍內。</translation>
    </message>
    <message>
        <source>After the scan is completed, you can manually rotate the image according to the actual needs and processing results</source>
        <translation>掃描完成後，可依實際需要和處理效果手動旋轉影像</translation>
    </message>
    <message>
        <source>After the scan is completed, it can be saved independently, or it can be saved to A4 size paper for easy printing.</source>
        <translation>掃描完成後，可以單獨儲存，也可以儲存到A4紙上以便列印。</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range</source>
        <translation>請將文件放在攝影機拍攝範圍內</translation>
    </message>
    <message>
        <source>If there is a qr code in the document, the software will automatically identify the qr code.</source>
        <translation>如果文件中有QR碼，軟體會自動辨識QR碼。</translation>
    </message>
    <message>
        <source>Please remove the glasses when shooting.</source>
        <translation>拍攝時請摘下眼鏡。</translation>
    </message>
    <message>
        <source>Face straight to attached camera.</source>
        <translation>請正對副攝影機。</translation>
    </message>
    <message>
        <source>The contrast values are displayed in real time under the software.</source>
        <translation>比對值會即時顯示在軟體下方。</translation>
    </message>
    <message>
        <source>Please check whether the computer is connected to the equipment properly.</source>
        <translation>請檢查電腦與設備是否連接正常。</translation>
    </message>
    <message>
        <source>Check whether the device exists in the computer device manager -&gt; image device.</source>
        <translation>請在電腦裝置管理員的影像裝置中檢查設備是否存在。</translation>
    </message>
    <message>
        <source>Check to see if there is any third-party software that takes up the camera.</source>
        <translation>請檢查是否有第三方軟體佔用攝影機。</translation>
    </message>
    <message>
        <source>If you still can&apos;t handle it, please contact the manufacturer</source>
        <translation>如仍無法解決，請聯絡廠商</translation>
    </message>
    <message>
        <source>Pictures in the list bar can be exported to PDF,WORD and other formats.</source>
        <translation>清單列中的圖片可以匯出為PDF、WORD等格式。</translation>
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
    <message>
        <source>The text recognition program could not be started: %1</source>
        <translation>無法啟動文字辨識程式：%1</translation>
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
    <message>
        <source>Output folder %1 cannot be used; saving to %2 for now</source>
        <translation>輸出資料夾 %1 無法使用；暫時儲存到 %2</translation>
    </message>
    <message>
        <source>Saving to %1 again</source>
        <translation>重新儲存到 %1</translation>
    </message>
    <message>
        <source>No page found — nothing saved</source>
        <translation>未找到頁面 — 未儲存</translation>
    </message>
    <message numerus="yes">
        <source>%n captures not taken: the camera stopped</source>
        <translation>
            <numerusform>%n 次拍攝未完成：相機已停止</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files moved to trash</source>
        <translation>
            <numerusform>已將 %n 個檔案移到資源回收筒</numerusform>
        </translation>
    </message>
    <message>
        <source>could not move %1 to trash</source>
        <translation>無法將 %1 移到資源回收筒</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Could not restore %1 from the trash</source>
        <translation>無法從資源回收筒還原 %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
</context>
<context>
    <name>OcrJob</name>
    <message>
        <source>Skipped %1: the file does not exist.</source>
        <translation>已略過 %1：檔案不存在。</translation>
    </message>
    <message>
        <source>%1 is very large; it is read from a reduced copy.</source>
        <translation>%1 非常大，將從縮小的副本中辨識。</translation>
    </message>
    <message>
        <source>Skipped %1: it is not a picture that can be read.</source>
        <translation>已略過 %1：不是可讀取的圖片。</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>已取消，未寫入任何文件。</translation>
    </message>
    <message>
        <source>None of the files could be read; no document was written.</source>
        <translation>所有檔案均無法讀取，未產生文件。</translation>
    </message>
    <message numerus="yes">
        <source>%n pages read.</source>
        <translation>
            <numerusform>已辨識 %n 頁。</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it cannot be put into a PDF (%2).</source>
        <translation>已略過 %1：無法放入 PDF（%2）。</translation>
    </message>
</context>
<context>
    <name>OutputPipeline</name>
    <message>
        <source>no folder can take the file</source>
        <translation>沒有可儲存檔案的資料夾</translation>
    </message>
</context>
<context>
    <name>Rir</name>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>第 %1 頁，共 %2 頁：%3</translation>
    </message>
    <message>
        <source>The recognition data for &quot;%1&quot; is not installed.</source>
        <translation>未安裝「%1」的辨識資料。</translation>
    </message>
    <message>
        <source>Reading the pages as English.</source>
        <translation>將以英文辨識頁面。</translation>
    </message>
    <message>
        <source>Cannot write into %1: the folder may be missing or read-only.</source>
        <translation>無法寫入 %1：資料夾不存在或為唯讀。</translation>
    </message>
    <message>
        <source>%1 changed or vanished while it was read.</source>
        <translation>%1 在讀取時被更改或已不存在。</translation>
    </message>
    <message>
        <source>Cannot write into %1: the disk may be full.</source>
        <translation>無法寫入 %1：磁碟可能已滿。</translation>
    </message>
    <message>
        <source>Reads the text of pictures of pages and writes a searchable PDF and a text file.</source>
        <translation>辨識頁面圖片中的文字，產生可搜尋的 PDF 和文字檔。</translation>
    </message>
    <message>
        <source>Languages of the text, such as deu+eng.</source>
        <translation>文字的語言，例如 chi_tra+eng。</translation>
    </message>
    <message>
        <source>Folder for the PDF and the text file.</source>
        <translation>PDF 和文字檔的儲存資料夾。</translation>
    </message>
    <message>
        <source>Pages read at the same time.</source>
        <translation>同時辨識的頁數。</translation>
    </message>
    <message>
        <source>No window: progress lines on the terminal.</source>
        <translation>不顯示視窗：在終端機輸出進度。</translation>
    </message>
    <message>
        <source>The pictures, one page each.</source>
        <translation>圖片，每張一頁。</translation>
    </message>
    <message>
        <source>No pictures were given.</source>
        <translation>未指定圖片。</translation>
    </message>
    <message>
        <source>No text recognition data is installed in %1.</source>
        <translation>%1 中未安裝文字辨識資料。</translation>
    </message>
</context>
<context>
    <name>RirWindow</name>
    <message>
        <source>Rir - text recognition</source>
        <translation>Rir - 文字辨識</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在啟動…</translation>
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
        <translation>未辨識任何內容。</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 頁，共 %2 頁</translation>
    </message>
    <message>
        <source>No document was written.</source>
        <translation>未產生文件。</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <translation>已儲存 %1 和 %2</translation>
    </message>
    <message>
        <source>No program to show PDF files was found; the document is in %1.</source>
        <translation>找不到可顯示 PDF 的程式；文件位於 %1。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
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
<context>
    <name>ViceCamera</name>
    <message>
        <source>Can not load KELM_CamCtl.dll!</source>
        <translation>無法載入副相機的程式庫！</translation>
    </message>
    <message>
        <source>Failure to initialize library</source>
        <translation>相機程式庫初始化失敗</translation>
    </message>
    <message>
        <source>Can not find vice camera</source>
        <translation>未找到副相機</translation>
    </message>
    <message>
        <source>Failure to start preview</source>
        <translation>無法啟動副相機畫面</translation>
    </message>
</context>
</TS>
