<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>Левая</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Правая</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>Автовыравнивание</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>Объединить левую и правую страницы</translation>
    </message>
    <message>
        <source>Save directly</source>
        <translation>Сохранять сразу</translation>
    </message>
</context>
<context>
    <name>CCameraPreview</name>
    <message>
        <source>Finding device...</source>
        <translation>Поиск устройства...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>Открытие устройства...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>Изображение камеры</translation>
    </message>
</context>
<context>
    <name>CPreConfigBar</name>
    <message>
        <source>Doc</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Id Card</source>
        <translation>Удостоверение</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Лист</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Книга</translation>
    </message>
</context>
<context>
    <name>CViceCamPreview</name>
    <message>
        <source>Open...</source>
        <translation>Открытие...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>error 01</source>
        <translation>Ошибка 01: нет модуля сравнения лиц</translation>
    </message>
    <message>
        <source>error 02</source>
        <translation>Ошибка 02: нет модуля камеры</translation>
    </message>
    <message>
        <source>error 04</source>
        <translation>Ошибка 04: библиотека камеры не готова</translation>
    </message>
    <message>
        <source>error 03</source>
        <translation>Ошибка 03: камера лица не запущена</translation>
    </message>
    <message>
        <source>ERROR 05</source>
        <translation>Ошибка 05: нет камеры лица</translation>
    </message>
    <message>
        <source>No Available Device</source>
        <translation>Нет доступной камеры</translation>
    </message>
    <message>
        <source>No Available Resolution!</source>
        <translation>Нет доступного разрешения!</translation>
    </message>
    <message>
        <source>Main camera error</source>
        <translation>Ошибка камеры документов</translation>
    </message>
    <message>
        <source>Main Camera is not running</source>
        <translation>Камера документов не работает</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>Лицо не найдено</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Совпадение:</translation>
    </message>
</context>
<context>
    <name>CameraPage</name>
    <message>
        <source>Devices:</source>
        <translation>Камеры:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Разреш.:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яркость:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Контраст:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Насыщ.:</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>Сеть, Гц:</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Фокус</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>Таймер:</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>Доп. камера</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Место:</translation>
    </message>
    <message>
        <source>LeftUp</source>
        <translation>Верх Л</translation>
    </message>
    <message>
        <source>RightUp</source>
        <translation>Верх П</translation>
    </message>
    <message>
        <source>LeftDown</source>
        <translation>Низ Л</translation>
    </message>
    <message>
        <source>RightDown</source>
        <translation>Низ П</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CaptureController</name>
    <message>
        <source>The camera is not running — nothing captured</source>
        <translation>Камера не работает — ничего не снято</translation>
    </message>
    <message>
        <source>Too many captures are waiting — this one was not taken</source>
        <translation>Слишком много снимков в очереди — этот не сделан</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>The camera is in use by another program.</source>
        <translation>Камера используется другой программой.</translation>
    </message>
    <message>
        <source>Camera disconnected</source>
        <translation>Камера отключена</translation>
    </message>
    <message>
        <source>Opening camera…</source>
        <translation>Открытие камеры…</translation>
    </message>
</context>
<context>
    <name>Dialog_ImagesOutPut</name>
    <message>
        <source>导出PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>导出Word</source>
        <translation>Экспорт в Word</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>请添加需要导出的图片:</source>
        <translation>Добавьте изображения для экспорта:</translation>
    </message>
    <message>
        <source>添加需要导出的图片</source>
        <translation>Добавить изображения для экспорта</translation>
    </message>
    <message>
        <source>从列表中删除指定图片</source>
        <translation>Удалить выбранные изображения из списка</translation>
    </message>
    <message>
        <source>上移位置</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>下移位置</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>清空列表</source>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>右转图片</source>
        <translation>Повернуть изображение</translation>
    </message>
    <message>
        <source>当前文档生成的路径</source>
        <translation>Путь создаваемого документа</translation>
    </message>
    <message>
        <source>改变文件夹</source>
        <translation>Папка...</translation>
    </message>
    <message>
        <source>将导出的文件保存在其它的位置</source>
        <translation>Сохранить документ в другой папке</translation>
    </message>
    <message>
        <source>一键生成</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Page %v of %m</source>
        <translation>Страница %v из %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Выбор изображений</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</source>
        <translation>Изображения (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>These pictures could not be turned and are unchanged:</source>
        <translation>Эти изображения не удалось повернуть, они не изменены:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Сменить папку</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Вывод в Word</translation>
    </message>
    <message>
        <source>Out put to PDF</source>
        <translation>Вывод в PDF</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>Создан %1</translation>
    </message>
    <message>
        <source>Pictures not turned: %1</source>
        <translation>Не повёрнуто изображений: %1</translation>
    </message>
</context>
<context>
    <name>Dialog_Navigate</name>
    <message>
        <source>Dialog</source>
        <translation>Обзор</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The list is empty: add the pictures to put into the document.</source>
        <translation>Список пуст: добавьте изображения для документа.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures; the list has %2.</source>
        <translation>В один документ помещается не более %1 изображений; в списке %2.</translation>
    </message>
    <message>
        <source>The document needs a file name: %1</source>
        <translation>Для документа нужно имя файла: %1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Папка %1 не существует.</translation>
    </message>
    <message>
        <source>The picture %1 no longer exists.</source>
        <translation>Изображение %1 больше не существует.</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 не является читаемым изображением.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures.</source>
        <translation>В один документ помещается не более %1 изображений.</translation>
    </message>
    <message>
        <source>A file name is too long, or has characters this system cannot pass on.</source>
        <translation>Имя файла слишком длинное или содержит символы, которые система не может передать.</translation>
    </message>
    <message>
        <source>A picture could not be read; it may have changed or been removed.</source>
        <translation>Не удалось прочитать изображение; возможно, оно изменено или удалено.</translation>
    </message>
    <message>
        <source>The document could not be written: the folder may be read-only or the disk full.</source>
        <translation>Не удалось записать документ: папка может быть только для чтения или диск заполнен.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Отменено; документ не записан.</translation>
    </message>
    <message>
        <source>The document component could not be loaded.</source>
        <translation>Не удалось загрузить компонент документов.</translation>
    </message>
    <message>
        <source>The document could not be created (error %1).</source>
        <translation>Не удалось создать документ (ошибка %1).</translation>
    </message>
</context>
<context>
    <name>DocumentModePage</name>
    <message>
        <source>Original</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>Auto Cutting</source>
        <translation>Обрезка</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Улучшение</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Save Directly</source>
        <translation>Сразу сохранять</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Scan modes</source>
        <translation>Режимы сканирования</translation>
    </message>
    <message>
        <source>Options of the mode</source>
        <translation>Параметры режима</translation>
    </message>
    <message>
        <source>Keep the whole picture, or cut out and straighten the page, improve its colours or turn it grey. Ticked, the box on the right saves every capture at once.</source>
        <translation>Сохранить весь кадр или вырезать и выпрямить страницу, улучшить её цвета или сделать серой. Если флажок справа отмечен, каждый снимок сохраняется сразу.</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Turns the document picture, and the pages saved from it, by a quarter.</source>
        <translation>Поворачивает изображение документа и сохранённые из него страницы на четверть оборота.</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Click the button or press Space (or Enter on the keypad): the page is processed, saved and listed on the right.</source>
        <translation>Нажмите кнопку или клавишу «Пробел» (или Enter на цифровой клавиатуре): страница обрабатывается, сохраняется и появляется в списке справа.</translation>
    </message>
    <message>
        <source>Device, resolution and picture; focus, timed capture and the second camera.</source>
        <translation>Устройство, разрешение и изображение; фокус, съёмка по таймеру и вторая камера.</translation>
    </message>
    <message>
        <source>File format and naming, JPG quality, rotation and the watermark. Every change is kept at once.</source>
        <translation>Формат и имена файлов, качество JPG, поворот и водяной знак. Каждое изменение сохраняется сразу.</translation>
    </message>
    <message>
        <source>The output folder and every saved image.</source>
        <translation>Папка для сохранения и все сохранённые изображения.</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Choose where captures are saved, or open that folder.</source>
        <translation>Выберите, куда сохранять снимки, или откройте эту папку.</translation>
    </message>
    <message>
        <source>PDF, Word and print</source>
        <translation>PDF, Word и печать</translation>
    </message>
    <message>
        <source>Put the selected images, in the order you choose, into one PDF or Word document, or print them.</source>
        <translation>Поместите выбранные изображения в нужном порядке в один документ PDF или Word либо распечатайте их.</translation>
    </message>
    <message>
        <source>Saved images</source>
        <translation>Сохранённые изображения</translation>
    </message>
    <message>
        <source>Every capture, newest last. Click to select, double-click to open, drag into another program, right-click for more.</source>
        <translation>Все снимки, новые в конце. Щелчок — выбрать, двойной щелчок — открыть, перетащите в другую программу, правый щелчок — другие действия.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>All images, or none.</source>
        <translation>Все изображения или ни одного.</translation>
    </message>
    <message>
        <source>Copy and delete</source>
        <translation>Копировать и удалить</translation>
    </message>
    <message>
        <source>Copy the selected files to paste them elsewhere (Ctrl+C), or move them to the trash.</source>
        <translation>Скопируйте выбранные файлы, чтобы вставить их в другом месте (Ctrl+C), или переместите их в корзину.</translation>
    </message>
    <message>
        <source>Scan modes and capture</source>
        <translation>Режимы и съёмка</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Click anywhere to continue</source>
        <translation>Щёлкните в любом месте, чтобы продолжить</translation>
    </message>
    <message>
        <source>Click anywhere to start scanning</source>
        <translation>Щёлкните в любом месте, чтобы начать</translation>
    </message>
    <message>
        <source>%1 for pages, %2 for both sides of a card, %3 to name files after their QR code, %4 to split an open book into two pages.</source>
        <translation>%1 — для страниц, %2 — для обеих сторон карты, %3 — чтобы называть файлы по их QR-коду, %4 — чтобы разделить раскрытую книгу на две страницы.</translation>
    </message>
    <message>
        <source>Text recognition</source>
        <translation>Распознавание текста</translation>
    </message>
    <message>
        <source>Reads the text of the selected images into a searchable PDF and a text file.</source>
        <translation>Распознаёт текст выбранных изображений и сохраняет его в PDF с поиском и в текстовый файл.</translation>
    </message>
</context>
<context>
    <name>HelpTip</name>
    <message>
        <source>Pay attention to light to avoid excessive light or too dark light</source>
        <translation>Следите за освещением: не слишком ярко и не слишком темно</translation>
    </message>
    <message>
        <source>When scanning a document, place the document within the camera&apos;s shooting range.</source>
        <translation>При сканировании документа поместите его в поле зрения камеры.</translation>
    </message>
    <message>
        <source>If you cannot find the target area, you can manually adjust the screen brightness</source>
        <translation>Если область не находится, можно вручную настроить яркость изображения</translation>
    </message>
    <message>
        <source>The software can choose the scanning mode, according to the actual needs and the actual effect selection mode</source>
        <translation>Выбирайте режим сканирования по задаче и по фактическому результату</translation>
    </message>
    <message>
        <source>Click the scan button in the lower right corner of the software to complete the scan operation</source>
        <translation>Нажмите кнопку сканирования в правом нижнем углу, чтобы отсканировать</translation>
    </message>
    <message>
        <source>The right side of the software can directly view the scanned image。</source>
        <translation>Отсканированные изображения сразу видны справа。</translation>
    </message>
    <message>
        <source>When scanning books, please open the books naturally to avoid artificial folds</source>
        <translation>При сканировании книги открывайте её естественно, без искусственных сгибов</translation>
    </message>
    <message>
        <source>After the target area is stable, click the scan button</source>
        <translation>Когда область стабильна, нажмите кнопку сканирования</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range。</source>
        <translation>Поместите документ в поле зрения камеры。</translation>
    </message>
    <message>
        <source>After the scan is completed, you can manually rotate the image according to the actual needs and processing results</source>
        <translation>После сканирования изображение можно повернуть вручную по необходимости</translation>
    </message>
    <message>
        <source>After the scan is completed, it can be saved independently, or it can be saved to A4 size paper for easy printing.</source>
        <translation>После сканирования изображение можно сохранить отдельно или на листе A4 для печати.</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range</source>
        <translation>Поместите документ в поле зрения камеры</translation>
    </message>
    <message>
        <source>If there is a qr code in the document, the software will automatically identify the qr code.</source>
        <translation>Если в документе есть QR-код, программа распознает его автоматически.</translation>
    </message>
    <message>
        <source>Please remove the glasses when shooting.</source>
        <translation>Снимите очки при съёмке.</translation>
    </message>
    <message>
        <source>Face straight to attached camera.</source>
        <translation>Смотрите прямо в дополнительную камеру.</translation>
    </message>
    <message>
        <source>The contrast values are displayed in real time under the software.</source>
        <translation>Значения сравнения показываются внизу в реальном времени.</translation>
    </message>
    <message>
        <source>Please check whether the computer is connected to the equipment properly.</source>
        <translation>Проверьте, правильно ли устройство подключено к компьютеру.</translation>
    </message>
    <message>
        <source>Check whether the device exists in the computer device manager -&gt; image device.</source>
        <translation>Проверьте, есть ли устройство в диспетчере устройств, в разделе устройств обработки изображений.</translation>
    </message>
    <message>
        <source>Check to see if there is any third-party software that takes up the camera.</source>
        <translation>Проверьте, не занята ли камера другой программой.</translation>
    </message>
    <message>
        <source>If you still can&apos;t handle it, please contact the manufacturer</source>
        <translation>Если это не помогло, обратитесь к производителю</translation>
    </message>
    <message>
        <source>Pictures in the list bar can be exported to PDF,WORD and other formats.</source>
        <translation>Изображения из списка можно экспортировать в PDF, Word и другие форматы.</translation>
    </message>
</context>
<context>
    <name>IdCardModePage</name>
    <message>
        <source>Positive</source>
        <translation>Лицо</translation>
    </message>
    <message>
        <source>Negtive</source>
        <translation>Оборот</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Поменять местами</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>Повернуть выбранное изображение на 180°</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Сравнение лиц</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>Автоопределение удостоверения</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>Автоматически выравнивать удостоверение</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>Сохранять с портретом</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Объединить</translation>
    </message>
</context>
<context>
    <name>ImageFileRotator</name>
    <message>
        <source>not a picture, or it cannot be read</source>
        <translation>не изображение или не читается</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Изменить...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Экспорт в Word</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>Снять выделение</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>Удалить выбранные элементы</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>The text recognition program could not be started: %1</source>
        <translation>Не удалось запустить программу распознавания текста: %1</translation>
    </message>
</context>
<context>
    <name>ImageSetPage</name>
    <message>
        <source>Img Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Time&amp;Date</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>Дата, время и номер</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>Имена:</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>Префикс:</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>Качество JPG:</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>Угол поворота по умолчанию в режиме документа</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>Поворот:</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>Тип водяного знака:</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>Без водяного знака</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>Водяной знак с датой</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>Текстовый водяной знак</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>Водяной знак-изображение</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>Введите текст водяного знака</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Right&amp;Down</source>
        <translation>Низ П</translation>
    </message>
    <message>
        <source>Left&amp;Up</source>
        <translation>Верх Л</translation>
    </message>
    <message>
        <source>Left&amp;Cetner</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Left&amp;Down</source>
        <translation>Низ Л</translation>
    </message>
    <message>
        <source>Center&amp;Up</source>
        <translation>Верх</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Центр</translation>
    </message>
    <message>
        <source>Center&amp;Down</source>
        <translation>Низ</translation>
    </message>
    <message>
        <source>Right&amp;Up</source>
        <translation>Верх П</translation>
    </message>
    <message>
        <source>Right&amp;Center</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Место:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Цвет...</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Цвет:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Плотность:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Text Size:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Картинка:</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выбрать...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Выбор файла изображения</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</source>
        <translation>Изображения (*.png *.bmp *.tif *.tiff *.gif *.jpg)</translation>
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
        <translation>Сделать снимок (Пробел)</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>Остановить съёмку по таймеру</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>Следите за освещением: избегайте пересвета и недостатка света</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>Нажмите, чтобы открыть справочный центр...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Ver:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Компания:</translation>
    </message>
    <message>
        <source>ZR Document Imaging</source>
        <translation>ZR Document Imaging</translation>
    </message>
    <message>
        <source>Copyright (C) ZR Document Imaging. All rights reserved.</source>
        <translation>© ZR Document Imaging. Все права защищены.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Уведомление</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>Не удалось загрузить компоненты камеры. Закройте программу.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Не удалось сохранить %1: %2</translation>
    </message>
    <message>
        <source>Output folder %1 cannot be used; saving to %2 for now</source>
        <translation>Папку вывода %1 нельзя использовать; пока сохраняем в %2</translation>
    </message>
    <message>
        <source>Saving to %1 again</source>
        <translation>Снова сохраняем в %1</translation>
    </message>
    <message>
        <source>No page found — nothing saved</source>
        <translation>Страница не найдена — ничего не сохранено</translation>
    </message>
    <message numerus="yes">
        <source>%n captures not taken: the camera stopped</source>
        <translation>
            <numerusform>%n снимок не сделан: камера остановлена</numerusform>
            <numerusform>%n снимка не сделаны: камера остановлена</numerusform>
            <numerusform>%n снимков не сделано: камера остановлена</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files moved to trash</source>
        <translation>
            <numerusform>%n файл перемещён в корзину</numerusform>
            <numerusform>%n файла перемещены в корзину</numerusform>
            <numerusform>%n файлов перемещено в корзину</numerusform>
        </translation>
    </message>
    <message>
        <source>could not move %1 to trash</source>
        <translation>не удалось переместить %1 в корзину</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Could not restore %1 from the trash</source>
        <translation>Не удалось восстановить %1 из корзины</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>OcrJob</name>
    <message>
        <source>Skipped %1: the file does not exist.</source>
        <translation>%1 пропущен: файл не существует.</translation>
    </message>
    <message>
        <source>%1 is very large; it is read from a reduced copy.</source>
        <translation>%1 очень большой; текст читается с уменьшенной копии.</translation>
    </message>
    <message>
        <source>Skipped %1: it is not a picture that can be read.</source>
        <translation>%1 пропущен: это не читаемое изображение.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Отменено; документ не записан.</translation>
    </message>
    <message>
        <source>None of the files could be read; no document was written.</source>
        <translation>Ни один файл не удалось прочитать; документ не создан.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages read.</source>
        <translation>
            <numerusform>Прочитана %n страница.</numerusform>
            <numerusform>Прочитаны %n страницы.</numerusform>
            <numerusform>Прочитано %n страниц.</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it cannot be put into a PDF (%2).</source>
        <translation>%1 пропущен: его нельзя поместить в PDF (%2).</translation>
    </message>
</context>
<context>
    <name>OutputPipeline</name>
    <message>
        <source>no folder can take the file</source>
        <translation>ни одна папка не может принять файл</translation>
    </message>
</context>
<context>
    <name>Rir</name>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Страница %1 из %2: %3</translation>
    </message>
    <message>
        <source>The recognition data for &quot;%1&quot; is not installed.</source>
        <translation>Данные распознавания для «%1» не установлены.</translation>
    </message>
    <message>
        <source>Reading the pages as English.</source>
        <translation>Страницы читаются как английский текст.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the folder may be missing or read-only.</source>
        <translation>Не удаётся записать в %1: папка отсутствует или доступна только для чтения.</translation>
    </message>
    <message>
        <source>%1 changed or vanished while it was read.</source>
        <translation>%1 изменился или исчез во время чтения.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the disk may be full.</source>
        <translation>Не удаётся записать в %1: возможно, диск заполнен.</translation>
    </message>
    <message>
        <source>Reads the text of pictures of pages and writes a searchable PDF and a text file.</source>
        <translation>Распознаёт текст на изображениях страниц и создаёт PDF с поиском и текстовый файл.</translation>
    </message>
    <message>
        <source>Languages of the text, such as deu+eng.</source>
        <translation>Языки текста, например rus+eng.</translation>
    </message>
    <message>
        <source>Folder for the PDF and the text file.</source>
        <translation>Папка для PDF и текстового файла.</translation>
    </message>
    <message>
        <source>Pages read at the same time.</source>
        <translation>Сколько страниц читать одновременно.</translation>
    </message>
    <message>
        <source>No window: progress lines on the terminal.</source>
        <translation>Без окна: ход работы выводится в терминал.</translation>
    </message>
    <message>
        <source>The pictures, one page each.</source>
        <translation>Изображения, по одной странице на каждое.</translation>
    </message>
    <message>
        <source>No pictures were given.</source>
        <translation>Изображения не указаны.</translation>
    </message>
    <message>
        <source>No text recognition data is installed in %1.</source>
        <translation>В %1 не установлены данные для распознавания текста.</translation>
    </message>
</context>
<context>
    <name>RirWindow</name>
    <message>
        <source>Rir - text recognition</source>
        <translation>Rir - распознавание текста</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Запуск…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Отмена…</translation>
    </message>
    <message>
        <source>Nothing was read.</source>
        <translation>Ничего не прочитано.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>No document was written.</source>
        <translation>Документ не создан.</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <translation>Сохранены %1 и %2</translation>
    </message>
    <message>
        <source>No program to show PDF files was found; the document is in %1.</source>
        <translation>Программа для просмотра PDF не найдена; документ находится в %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>ScanModePage</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Файлы</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Улучшение</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>QR-код...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>Называть по содержимому QR-кода</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>Автоматически записывать содержимое QR-кода</translation>
    </message>
    <message>
        <source>SaveDirectly</source>
        <translation>Сохранять сразу</translation>
    </message>
</context>
<context>
    <name>ViceCamera</name>
    <message>
        <source>Can not load KELM_CamCtl.dll!</source>
        <translation>Не удаётся загрузить библиотеку доп. камеры!</translation>
    </message>
    <message>
        <source>Failure to initialize library</source>
        <translation>Не удалось инициализировать библиотеку камеры</translation>
    </message>
    <message>
        <source>Can not find vice camera</source>
        <translation>Доп. камера не найдена</translation>
    </message>
    <message>
        <source>Failure to start preview</source>
        <translation>Не удалось запустить изображение доп. камеры</translation>
    </message>
</context>
</TS>
