<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>左ページ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>右ページ</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>自動平坦化</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>左右ページを結合</translation>
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
        <translation>デバイスを検索中...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>デバイスを開いています...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>カメラビュー</translation>
    </message>
</context>
<context>
    <name>CPreConfigBar</name>
    <message>
        <source>Doc</source>
        <translation>文書</translation>
    </message>
    <message>
        <source>Id Card</source>
        <translation>身分証</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>シート</translation>
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
        <translation>開いています...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>error 01</source>
        <translation>エラー 01: 顔照合部品がありません</translation>
    </message>
    <message>
        <source>error 02</source>
        <translation>エラー 02: カメラ部品がありません</translation>
    </message>
    <message>
        <source>error 04</source>
        <translation>エラー 04: カメラライブラリが準備できていません</translation>
    </message>
    <message>
        <source>error 03</source>
        <translation>エラー 03: 顔カメラが起動していません</translation>
    </message>
    <message>
        <source>ERROR 05</source>
        <translation>エラー 05: 顔カメラがありません</translation>
    </message>
    <message>
        <source>No Available Device</source>
        <translation>使用できるカメラがありません</translation>
    </message>
    <message>
        <source>No Available Resolution!</source>
        <translation>使用できる解像度がありません！</translation>
    </message>
    <message>
        <source>Main camera error</source>
        <translation>書類カメラのエラー</translation>
    </message>
    <message>
        <source>Main Camera is not running</source>
        <translation>書類カメラが動作していません</translation>
    </message>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>顔がありません</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>一致度:</translation>
    </message>
</context>
<context>
    <name>CameraPage</name>
    <message>
        <source>Devices:</source>
        <translation>デバイス：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度：</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ：</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>彩度：</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>周波数：</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>フォーカス</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>タイマー：</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>サブカメラ</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>合成</translation>
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
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>CaptureController</name>
    <message>
        <source>The camera is not running — nothing captured</source>
        <translation>カメラが動作していません — 撮影されませんでした</translation>
    </message>
    <message>
        <source>Too many captures are waiting — this one was not taken</source>
        <translation>待機中の撮影が多すぎます — この撮影は行われませんでした</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>The camera is in use by another program.</source>
        <translation>カメラは別のプログラムで使用中です。</translation>
    </message>
    <message>
        <source>Camera disconnected</source>
        <translation>カメラが切断されました</translation>
    </message>
    <message>
        <source>Opening camera…</source>
        <translation>カメラを起動しています…</translation>
    </message>
</context>
<context>
    <name>Dialog_ImagesOutPut</name>
    <message>
        <source>导出PDF</source>
        <translation>PDFに書き出す</translation>
    </message>
    <message>
        <source>导出Word</source>
        <translation>Wordに書き出す</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>请添加需要导出的图片:</source>
        <translation>書き出す画像を追加してください:</translation>
    </message>
    <message>
        <source>添加需要导出的图片</source>
        <translation>書き出す画像を追加</translation>
    </message>
    <message>
        <source>从列表中删除指定图片</source>
        <translation>選択した画像を一覧から削除</translation>
    </message>
    <message>
        <source>上移位置</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>下移位置</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>清空列表</source>
        <translation>一覧を空にする</translation>
    </message>
    <message>
        <source>右转图片</source>
        <translation>画像を回転</translation>
    </message>
    <message>
        <source>当前文档生成的路径</source>
        <translation>作成する文書の保存先</translation>
    </message>
    <message>
        <source>改变文件夹</source>
        <translation>フォルダー...</translation>
    </message>
    <message>
        <source>将导出的文件保存在其它的位置</source>
        <translation>文書を別のフォルダーに保存</translation>
    </message>
    <message>
        <source>一键生成</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Page %v of %m</source>
        <translation>%m ページ中 %v ページ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>画像ファイルを選択</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</source>
        <translation>画像 (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>These pictures could not be turned and are unchanged:</source>
        <translation>次の画像は回転できず、変更されていません:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>フォルダーを変更</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Wordに出力</translation>
    </message>
    <message>
        <source>Out put to PDF</source>
        <translation>PDFに出力</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>%1 を作成しました</translation>
    </message>
    <message>
        <source>Pictures not turned: %1</source>
        <translation>回転できなかった画像: %1</translation>
    </message>
</context>
<context>
    <name>Dialog_Navigate</name>
    <message>
        <source>Dialog</source>
        <translation>ガイド</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The list is empty: add the pictures to put into the document.</source>
        <translation>一覧が空です。文書に入れる画像を追加してください。</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures; the list has %2.</source>
        <translation>1 つの文書に入れられる画像は最大 %1 枚です。一覧には %2 枚あります。</translation>
    </message>
    <message>
        <source>The document needs a file name: %1</source>
        <translation>文書のファイル名が必要です: %1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダー %1 がありません。</translation>
    </message>
    <message>
        <source>The picture %1 no longer exists.</source>
        <translation>画像 %1 はもうありません。</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 は読み込める画像ではありません。</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures.</source>
        <translation>1 つの文書に入れられる画像は最大 %1 枚です。</translation>
    </message>
    <message>
        <source>A file name is too long, or has characters this system cannot pass on.</source>
        <translation>ファイル名が長すぎるか、システムが扱えない文字を含んでいます。</translation>
    </message>
    <message>
        <source>A picture could not be read; it may have changed or been removed.</source>
        <translation>画像を読み込めませんでした。変更または削除された可能性があります。</translation>
    </message>
    <message>
        <source>The document could not be written: the folder may be read-only or the disk full.</source>
        <translation>文書を書き込めませんでした。フォルダーが読み取り専用か、ディスクがいっぱいの可能性があります。</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>キャンセルしました。文書は書き込まれていません。</translation>
    </message>
    <message>
        <source>The document component could not be loaded.</source>
        <translation>文書コンポーネントを読み込めませんでした。</translation>
    </message>
    <message>
        <source>The document could not be created (error %1).</source>
        <translation>文書を作成できませんでした (エラー %1)。</translation>
    </message>
</context>
<context>
    <name>DocumentModePage</name>
    <message>
        <source>Original</source>
        <translation>オリジナル</translation>
    </message>
    <message>
        <source>Auto Cutting</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>最適化</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>グレー</translation>
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
        <translation>スキャンモード</translation>
    </message>
    <message>
        <source>Options of the mode</source>
        <translation>モードのオプション</translation>
    </message>
    <message>
        <source>Keep the whole picture, or cut out and straighten the page, improve its colours or turn it grey. Ticked, the box on the right saves every capture at once.</source>
        <translation>画像全体を残すか、ページを切り出してまっすぐにし、色を補正するかグレーにします。右のボックスにチェックを入れると、撮影ごとにすぐ保存します。</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Turns the document picture, and the pages saved from it, by a quarter.</source>
        <translation>文書の画像と、そこから保存するページを90度回転します。</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>撮影</translation>
    </message>
    <message>
        <source>Click the button or press Space (or Enter on the keypad): the page is processed, saved and listed on the right.</source>
        <translation>ボタンをクリックするか、スペースキー（またはテンキーのEnter）を押します。ページは処理・保存され、右側に一覧表示されます。</translation>
    </message>
    <message>
        <source>Device, resolution and picture; focus, timed capture and the second camera.</source>
        <translation>デバイス、解像度と画質、フォーカス、タイマー撮影、2台目のカメラ。</translation>
    </message>
    <message>
        <source>File format and naming, JPG quality, rotation and the watermark. Every change is kept at once.</source>
        <translation>ファイル形式と名前、JPG品質、回転、透かし。変更はすぐに保存されます。</translation>
    </message>
    <message>
        <source>The output folder and every saved image.</source>
        <translation>保存先フォルダーと保存したすべての画像。</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Choose where captures are saved, or open that folder.</source>
        <translation>撮影した画像の保存先を選ぶか、そのフォルダーを開きます。</translation>
    </message>
    <message>
        <source>PDF, Word and print</source>
        <translation>PDF・Word・印刷</translation>
    </message>
    <message>
        <source>Put the selected images, in the order you choose, into one PDF or Word document, or print them.</source>
        <translation>選択した画像を好きな順序で1つのPDFまたはWord文書にまとめるか、印刷します。</translation>
    </message>
    <message>
        <source>Saved images</source>
        <translation>保存した画像</translation>
    </message>
    <message>
        <source>Every capture, newest last. Click to select, double-click to open, drag into another program, right-click for more.</source>
        <translation>すべての撮影画像（新しいものが最後）。クリックで選択、ダブルクリックで開く、ほかのプログラムへドラッグ、右クリックでその他の操作。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>All images, or none.</source>
        <translation>すべての画像を選択、または選択解除。</translation>
    </message>
    <message>
        <source>Copy and delete</source>
        <translation>コピーと削除</translation>
    </message>
    <message>
        <source>Copy the selected files to paste them elsewhere (Ctrl+C), or move them to the trash.</source>
        <translation>選択したファイルをコピーしてほかの場所に貼り付ける（Ctrl+C）か、ごみ箱へ移動します。</translation>
    </message>
    <message>
        <source>Scan modes and capture</source>
        <translation>スキャンモードと撮影</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Click anywhere to continue</source>
        <translation>どこかをクリックして次へ</translation>
    </message>
    <message>
        <source>Click anywhere to start scanning</source>
        <translation>どこかをクリックしてスキャンを開始</translation>
    </message>
    <message>
        <source>%1 for pages, %2 for both sides of a card, %3 to name files after their QR code, %4 to split an open book into two pages.</source>
        <translation>%1 はページ、%2 はカードの両面、%3 はQRコードでファイル名を付け、%4 は開いた本を2ページに分けます。</translation>
    </message>
    <message>
        <source>Text recognition</source>
        <translation>文字認識</translation>
    </message>
    <message>
        <source>Reads the text of the selected images into a searchable PDF and a text file.</source>
        <translation>選択した画像の文字を読み取り、検索可能なPDFとテキストファイルに保存します。</translation>
    </message>
</context>
<context>
    <name>HelpTip</name>
    <message>
        <source>Pay attention to light to avoid excessive light or too dark light</source>
        <translation>明るすぎたり暗すぎたりしないよう、照明に注意してください</translation>
    </message>
    <message>
        <source>When scanning a document, place the document within the camera&apos;s shooting range.</source>
        <translation>文書をスキャンするときは、カメラの撮影範囲内に置いてください。</translation>
    </message>
    <message>
        <source>If you cannot find the target area, you can manually adjust the screen brightness</source>
        <translation>対象領域が見つからない場合は、画面の明るさを手動で調整できます</translation>
    </message>
    <message>
        <source>The software can choose the scanning mode, according to the actual needs and the actual effect selection mode</source>
        <translation>必要と実際の結果に応じてスキャンモードを選べます</translation>
    </message>
    <message>
        <source>Click the scan button in the lower right corner of the software to complete the scan operation</source>
        <translation>右下のスキャンボタンをクリックするとスキャンします</translation>
    </message>
    <message>
        <source>The right side of the software can directly view the scanned image。</source>
        <translation>スキャンした画像は右側ですぐに確認できます。</translation>
    </message>
    <message>
        <source>When scanning books, please open the books naturally to avoid artificial folds</source>
        <translation>本をスキャンするときは、折り目がつかないよう自然に開いてください</translation>
    </message>
    <message>
        <source>After the target area is stable, click the scan button</source>
        <translation>対象領域が安定したら、スキャンボタンをクリックしてください</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range。</source>
        <translation>文書をカメラの撮影範囲内に置いてください。</translation>
    </message>
    <message>
        <source>After the scan is completed, you can manually rotate the image according to the actual needs and processing results</source>
        <translation>スキャン後、必要と結果に応じて画像を手動で回転できます</translation>
    </message>
    <message>
        <source>After the scan is completed, it can be saved independently, or it can be saved to A4 size paper for easy printing.</source>
        <translation>スキャン後、画像は単独で、または印刷しやすいようにA4用紙に保存できます。</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range</source>
        <translation>文書をカメラの撮影範囲内に置いてください</translation>
    </message>
    <message>
        <source>If there is a qr code in the document, the software will automatically identify the qr code.</source>
        <translation>文書にQRコードがあると、自動的に認識します。</translation>
    </message>
    <message>
        <source>Please remove the glasses when shooting.</source>
        <translation>撮影時は眼鏡を外してください。</translation>
    </message>
    <message>
        <source>Face straight to attached camera.</source>
        <translation>サブカメラに正面を向けてください。</translation>
    </message>
    <message>
        <source>The contrast values are displayed in real time under the software.</source>
        <translation>比較値は下部にリアルタイムで表示されます。</translation>
    </message>
    <message>
        <source>Please check whether the computer is connected to the equipment properly.</source>
        <translation>機器がコンピューターに正しく接続されているか確認してください。</translation>
    </message>
    <message>
        <source>Check whether the device exists in the computer device manager -&gt; image device.</source>
        <translation>デバイスマネージャーのイメージングデバイスに機器があるか確認してください。</translation>
    </message>
    <message>
        <source>Check to see if there is any third-party software that takes up the camera.</source>
        <translation>他のソフトウェアがカメラを使用していないか確認してください。</translation>
    </message>
    <message>
        <source>If you still can&apos;t handle it, please contact the manufacturer</source>
        <translation>解決しない場合は、製造元にお問い合わせください</translation>
    </message>
    <message>
        <source>Pictures in the list bar can be exported to PDF,WORD and other formats.</source>
        <translation>リストの画像はPDF、Wordなどの形式に書き出せます。</translation>
    </message>
</context>
<context>
    <name>IdCardModePage</name>
    <message>
        <source>Positive</source>
        <translation>表面</translation>
    </message>
    <message>
        <source>Negtive</source>
        <translation>裏面</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>人物</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>入れ替え</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>選択した画像を180°回転</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>顔照合</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>身分証を自動認識</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>身分証を自動補正</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>顔写真付きで保存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>結合</translation>
    </message>
</context>
<context>
    <name>ImageFileRotator</name>
    <message>
        <source>not a picture, or it cannot be read</source>
        <translation>画像ではないか、読み込めません</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>保存先：</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>変更...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>PDFに出力</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Wordに出力</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>選択解除</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>選択した項目を削除</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>The text recognition program could not be started: %1</source>
        <translation>文字認識プログラムを起動できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>ImageSetPage</name>
    <message>
        <source>Img Format:</source>
        <translation>形式：</translation>
    </message>
    <message>
        <source>Time&amp;Date</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>連番</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>日付時刻と連番</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>命名：</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>接頭辞：</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>JPG 画質：</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>文書モードの既定の回転角度</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>回転：</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>透かしの種類を選択：</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>透かしなし</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>日付の透かし</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>文字の透かし</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>画像の透かし</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>透かしの内容を入力してください</translation>
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
        <translation>左</translation>
    </message>
    <message>
        <source>Left&amp;Down</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Center&amp;Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Center&amp;Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Right&amp;Up</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Right&amp;Center</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>色を選択</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>色：</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ：</translation>
    </message>
    <message>
        <source>Text Size:</source>
        <translation>文字：</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>画像：</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>選択...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>画像ファイルを選択</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</source>
        <translation>画像 (*.png *.bmp *.tif *.tiff *.gif *.jpg)</translation>
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
        <translation>撮影（スペース）</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>タイマー撮影を停止</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
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
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>照明に注意し、露出オーバーや暗すぎる環境を避けてください</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>クリックするとヘルプセンターで詳しい情報を表示します...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Ver:</source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>会社：</translation>
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
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>カメラ関連のコンポーネントを読み込めません。このソフトウェアを終了してください。</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 を保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Output folder %1 cannot be used; saving to %2 for now</source>
        <translation>出力フォルダー %1 は使用できません。当面 %2 に保存します</translation>
    </message>
    <message>
        <source>Saving to %1 again</source>
        <translation>再び %1 に保存します</translation>
    </message>
    <message>
        <source>No page found — nothing saved</source>
        <translation>ページが見つかりません — 保存されませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%n captures not taken: the camera stopped</source>
        <translation>
            <numerusform>%n 件の撮影が行われませんでした: カメラが停止しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files moved to trash</source>
        <translation>
            <numerusform>%n 個のファイルをごみ箱に移動しました</numerusform>
        </translation>
    </message>
    <message>
        <source>could not move %1 to trash</source>
        <translation>%1 をごみ箱に移動できませんでした</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Could not restore %1 from the trash</source>
        <translation>%1 をごみ箱から復元できませんでした</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>OcrJob</name>
    <message>
        <source>Skipped %1: the file does not exist.</source>
        <translation>%1 をスキップしました：ファイルが存在しません。</translation>
    </message>
    <message>
        <source>%1 is very large; it is read from a reduced copy.</source>
        <translation>%1 は非常に大きいため、縮小したコピーから読み取ります。</translation>
    </message>
    <message>
        <source>Skipped %1: it is not a picture that can be read.</source>
        <translation>%1 をスキップしました：読み取れる画像ではありません。</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>キャンセルしました。文書は書き込まれていません。</translation>
    </message>
    <message>
        <source>None of the files could be read; no document was written.</source>
        <translation>どのファイルも読み取れませんでした。文書は作成されていません。</translation>
    </message>
    <message numerus="yes">
        <source>%n pages read.</source>
        <translation>
            <numerusform>%n ページを読み取りました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it cannot be put into a PDF (%2).</source>
        <translation>%1 をスキップしました：PDF に入れられません（%2）。</translation>
    </message>
</context>
<context>
    <name>OutputPipeline</name>
    <message>
        <source>no folder can take the file</source>
        <translation>ファイルを保存できるフォルダーがありません</translation>
    </message>
</context>
<context>
    <name>Rir</name>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>%2 ページ中 %1 ページ目：%3</translation>
    </message>
    <message>
        <source>The recognition data for &quot;%1&quot; is not installed.</source>
        <translation>「%1」の認識データがインストールされていません。</translation>
    </message>
    <message>
        <source>Reading the pages as English.</source>
        <translation>ページを英語として読み取ります。</translation>
    </message>
    <message>
        <source>Cannot write into %1: the folder may be missing or read-only.</source>
        <translation>%1 に書き込めません。フォルダーが存在しないか、読み取り専用です。</translation>
    </message>
    <message>
        <source>%1 changed or vanished while it was read.</source>
        <translation>%1 は読み取り中に変更または削除されました。</translation>
    </message>
    <message>
        <source>Cannot write into %1: the disk may be full.</source>
        <translation>%1 に書き込めません。ディスクがいっぱいの可能性があります。</translation>
    </message>
    <message>
        <source>Reads the text of pictures of pages and writes a searchable PDF and a text file.</source>
        <translation>ページの画像から文字を読み取り、検索可能な PDF とテキストファイルを作成します。</translation>
    </message>
    <message>
        <source>Languages of the text, such as deu+eng.</source>
        <translation>テキストの言語（例：jpn+eng）。</translation>
    </message>
    <message>
        <source>Folder for the PDF and the text file.</source>
        <translation>PDF とテキストファイルの保存先フォルダー。</translation>
    </message>
    <message>
        <source>Pages read at the same time.</source>
        <translation>同時に読み取るページ数。</translation>
    </message>
    <message>
        <source>No window: progress lines on the terminal.</source>
        <translation>ウィンドウを表示せず、進行状況を端末に出力します。</translation>
    </message>
    <message>
        <source>The pictures, one page each.</source>
        <translation>画像（1 枚につき 1 ページ）。</translation>
    </message>
    <message>
        <source>No pictures were given.</source>
        <translation>画像が指定されていません。</translation>
    </message>
    <message>
        <source>No text recognition data is installed in %1.</source>
        <translation>%1 に文字認識データがインストールされていません。</translation>
    </message>
</context>
<context>
    <name>RirWindow</name>
    <message>
        <source>Rir - text recognition</source>
        <translation>Rir - 文字認識</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>開始しています…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>キャンセルしています…</translation>
    </message>
    <message>
        <source>Nothing was read.</source>
        <translation>何も読み取られませんでした。</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%2 ページ中 %1 ページ目</translation>
    </message>
    <message>
        <source>No document was written.</source>
        <translation>文書は作成されていません。</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <translation>%1 と %2 を保存しました</translation>
    </message>
    <message>
        <source>No program to show PDF files was found; the document is in %1.</source>
        <translation>PDF を表示するプログラムが見つかりません。文書は %1 にあります。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>最適化</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>QRコード...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>QRコードの内容で名前を付ける</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>QRコードの内容を自動記録</translation>
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
        <translation>サブカメラのライブラリを読み込めません！</translation>
    </message>
    <message>
        <source>Failure to initialize library</source>
        <translation>カメラライブラリを初期化できません</translation>
    </message>
    <message>
        <source>Can not find vice camera</source>
        <translation>サブカメラが見つかりません</translation>
    </message>
    <message>
        <source>Failure to start preview</source>
        <translation>サブカメラの映像を開始できません</translation>
    </message>
</context>
</TS>
