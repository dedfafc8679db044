#pragma once

// Pages of known text for the recognition benchmark, one per language: plain prose as a letter or
// a report would have it, written for this benchmark.
struct OcrBenchText {
    const char* language;  // Tesseract's code, as Rir is asked for it
    const char* font;      // family that has the script's letters
    const char* text;      // UTF-8; paragraphs apart by a blank line
};

inline const OcrBenchText kOcrBenchTexts[] = {
    {"eng", "DejaVu Serif",
     "Annual report of the county library\n\n"
     "The reading rooms were open on 251 days last year, and 48,312 visitors borrowed 96,540 "
     "books, maps and recordings. The new shelves in the east wing hold the local newspapers "
     "from 1921 to the present day, bound by year and indexed by subject.\n\n"
     "Volunteers scanned the parish registers during the winter months. Each page was "
     "photographed under the document camera, straightened and saved with its shelf mark, so "
     "that a visitor can now search the names of baptisms and marriages without handling the "
     "fragile originals.\n\n"
     "We thank the members of the friends' association for their donations, which paid for "
     "two reading lamps, a magnifier and the repair of the roof above the archive."},
    {"deu", "DejaVu Serif",
     "Protokoll der Mitgliederversammlung\n\n"
     "Die Versammlung begann am Donnerstag um 19 Uhr im großen Saal des Rathauses. Anwesend "
     "waren 37 Mitglieder; der Vorstand stellte fest, dass die Versammlung beschlussfähig ist.\n\n"
     "Der Kassenwart berichtete über das vergangene Geschäftsjahr. Die Einnahmen aus Beiträgen "
     "und Spenden beliefen sich auf 12.480 Euro, die Ausgaben für Miete, Heizung und "
     "Veranstaltungen auf 11.925 Euro. Die Prüfer fanden keine Mängel.\n\n"
     "Für den Sommer ist ein Ausflug zum Bodensee geplant. Wer mitfahren möchte, trägt sich "
     "bitte bis Ende März in die Liste ein, die im Büro ausliegt. Die Kosten übernimmt zum "
     "größten Teil der Verein."},
    {"fra", "DejaVu Serif",
     "Compte rendu de la réunion du conseil\n\n"
     "La séance s'est ouverte à dix-huit heures dans la salle des fêtes. Le maire a rappelé "
     "l'ordre du jour : l'entretien des chemins communaux, la rénovation de l'école et le "
     "budget de l'année prochaine.\n\n"
     "Les travaux de l'école commenceront au début des vacances d'été. Les élèves seront "
     "accueillis pendant deux mois dans les locaux de la bibliothèque, où trois classes "
     "provisoires ont été aménagées. Le coût total s'élève à 184 000 euros.\n\n"
     "Après un long débat, le conseil a décidé à l'unanimité de planter vingt arbres le long "
     "de la rivière et d'installer des bancs près du pont."},
    {"spa", "DejaVu Serif",
     "Informe de la asociación de vecinos\n\n"
     "Durante el último año la asociación organizó catorce actividades en el barrio, entre "
     "ellas un mercado de segunda mano, dos conciertos en la plaza y un curso de cocina para "
     "mayores. Participaron más de 650 personas.\n\n"
     "El ayuntamiento aprobó por fin la reparación de las aceras de la calle Mayor y la "
     "instalación de nuevas farolas. Las obras empezarán en otoño y durarán unas seis "
     "semanas, según el calendario que nos enviaron.\n\n"
     "La próxima asamblea general se celebrará el martes a las siete y media de la tarde en "
     "el salón de la parroquia. ¡Os esperamos a todos!"},
    {"ita", "DejaVu Serif",
     "Relazione del comitato di quartiere\n\n"
     "Nel corso dell'anno il comitato si è riunito undici volte e ha presentato al comune "
     "quattro proposte per migliorare la vita del quartiere: un parcheggio per le biciclette, "
     "una fontana nel parco, più panchine e un orario più lungo per la biblioteca.\n\n"
     "La festa di settembre è stata un successo. Più di trecento persone hanno partecipato "
     "alla cena all'aperto, e il ricavato di 2.350 euro è stato donato alla scuola "
     "elementare per l'acquisto di libri.\n\n"
     "Ringraziamo tutti i volontari che hanno dedicato il loro tempo e ricordiamo che le "
     "iscrizioni per il prossimo anno sono già aperte."},
    {"rus", "DejaVu Serif",
     "Отчёт о работе городской библиотеки\n\n"
     "В прошлом году библиотека была открыта 290 дней. Её посетили 35 тысяч читателей, "
     "которые взяли домой более 80 тысяч книг, журналов и газет. Особым спросом пользовались "
     "книги по истории края и детская литература.\n\n"
     "Зимой сотрудники сфотографировали старые документы архива и сохранили их в "
     "электронном виде. Теперь каждый читатель может найти нужную страницу по ключевому "
     "слову, не прикасаясь к хрупким подлинникам.\n\n"
     "Мы благодарим всех, кто помогал нам в этом году, и приглашаем новых друзей "
     "библиотеки на встречу в первую субботу мая."},
    {"jpn", "Droid Sans Fallback",
     "市立図書館の年次報告\n\n"
     "昨年、図書館は二百九十日開館し、三万五千人の利用者が本や雑誌を借りました。"
     "特に郷土の歴史に関する本と子ども向けの絵本がよく読まれました。\n\n"
     "冬の間、職員は古い文書を書画カメラで撮影し、電子データとして保存しました。"
     "利用者は原本に触れることなく、キーワードで必要なページを探すことができます。\n\n"
     "ご協力いただいた皆様に感謝申し上げます。五月の第一土曜日に説明会を開きますので、"
     "ぜひお越しください。"},
    {"chi_sim", "Droid Sans Fallback",
     "市图书馆年度工作报告\n\n"
     "去年图书馆共开放二百九十天，接待读者三万五千人次，借出图书和杂志八万余册。"
     "地方历史类图书和儿童读物最受欢迎。\n\n"
     "冬季，工作人员用文件拍摄仪拍摄了档案室的旧文件，并以电子形式保存。"
     "读者现在可以通过关键词查找所需页面，而不必翻阅容易损坏的原件。\n\n"
     "感谢所有给予帮助的朋友。五月的第一个星期六我们将举办说明会，欢迎大家参加。"},
};
