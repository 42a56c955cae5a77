// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/help_texts.h"

namespace sorvane {
namespace {

constexpr std::string_view kProgram = R"(Использование: sorvane-cli КОМАНДА [ПАРАМЕТРЫ]

Ключи Sorvane из командной строки: те же файлы ключей, мастер-ключ и правила, что в окне.

Команды:
  show FILE                  вывести ключ из файла FILE
  copy FILE [--clear SECONDS]
                             поместить ключ в буфер обмена
  store FILE [--stdin]       записать ключ в файл FILE
  generate [--length N] [--classes СПИСОК]
                             сгенерировать пароль

Мастер-ключ (show, copy, store):
  --master-file FILE         из файла мастер-ключа FILE
  --master-prompt            ввести с терминала без эха
  --no-master                без мастер-ключа (ключ хранится как есть)
  без этих параметров        мастер-ключ, запомненный окном в sorvane.ini,
                             если там включено «Запомнить»
Мастер-ключ никогда не берётся из аргументов и переменных окружения.

Коды выхода: 0 успех, 2 ошибка в аргументах или нет терминала, 3 файл не найден,
4 ошибка ввода-вывода или нет буфера обмена, 5 отказ (пароли не совпали, символы,
которые нельзя сохранить, пустой мастер-ключ, пустой набор символов).

Справка по команде: sorvane-cli КОМАНДА --help; подробно: man sorvane-cli
)";

constexpr std::string_view kShow =
    R"(Использование: sorvane-cli show FILE [--master-file FILE | --master-prompt | --no-master]

Выводит ключ из первой строки файла FILE, расшифрованный под мастер-ключом,
если он задан, и перевод строки.
)";

constexpr std::string_view kCopy =
    R"(Использование: sorvane-cli copy FILE [--clear SECONDS] [--master-file FILE | --master-prompt | --no-master]

Помещает ключ из файла FILE в буфер обмена с пометкой
x-kde-passwordManagerHint: secret (менеджеры истории буфера его не сохраняют)
и завершается, как только буфер обмена его содержит. Фоновый процесс
обслуживает буфер, пока его не займёт другая программа.

  --clear SECONDS   через SECONDS секунд (1-86400) очистить буфер обмена,
                    если в нём всё ещё этот ключ
)";

constexpr std::string_view kStore =
    R"(Использование: sorvane-cli store FILE [--stdin] [--master-file FILE | --master-prompt | --no-master]

Записывает ключ в файл FILE (одна строка в Windows-1251, атомарная замена),
зашифрованный под мастер-ключом, если он задан. Ключ вводится дважды с
терминала без эха.

  --stdin   прочитать ключ один раз со стандартного ввода (один конечный
            перевод строки, LF или CR LF, отбрасывается)

Отказ (код 5): пароли не совпали, символы, которые не вернутся из файла без
изменений, пустой мастер-ключ из файла.
)";

constexpr std::string_view kGenerate = R"(Использование: sorvane-cli generate [--length N] [--classes СПИСОК]

Выводит случайный пароль генератором окна.

  --length N        длина, от 1 до 255 (по умолчанию 7)
  --classes СПИСОК  классы символов через запятую (по умолчанию latin,digits):
                      latin          английские, заглавные и строчные («Английские»)
                      latin-upper    английские заглавные («Заглавные»)
                      latin-lower    английские строчные («Строчные»)
                      russian        русские, заглавные и строчные («Русские»)
                      russian-upper  русские заглавные
                      russian-lower  русские строчные
                      digits         цифры («Цифры»)
                      signs          знаки !"№;%:?*()_+=-~/\<>,.[]{} («Знаки»)
                      none           ничего
)";

}  // namespace

std::string_view HelpText(Command command) {
    switch (command) {
        case Command::kShow:
            return kShow;
        case Command::kCopy:
            return kCopy;
        case Command::kStore:
            return kStore;
        case Command::kGenerate:
            return kGenerate;
        case Command::kNone:
            break;
    }
    return kProgram;
}

}  // namespace sorvane
