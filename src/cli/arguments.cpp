// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "cli/class_names.h"
#include "cli/cli_failure.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

constexpr std::u16string_view kSeeHelp = u"; справка: sorvane-cli --help";

CliFailure Usage(std::u16string message) { return CliFailure(ExitCode::kUsage, message + std::u16string(kSeeHelp)); }

std::u16string Text(std::string_view bytes) { return Utf8ToUtf16(bytes); }

Command CommandNamed(std::string_view name) {
    if (name == "show") return Command::kShow;
    if (name == "copy") return Command::kCopy;
    if (name == "store") return Command::kStore;
    if (name == "generate") return Command::kGenerate;
    throw Usage(u"Неизвестная команда «" + Text(name) + u"»");
}

int NumberIn(std::string_view option, std::string_view value, int lowest, int highest) {
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < lowest || number > highest)
        throw Usage(u"Значение " + Text(option) + u" должно быть целым числом от " + Text(std::to_string(lowest)) +
                    u" до " + Text(std::to_string(highest)) + u", а не «" + Text(value) + u"»");
    return number;
}

bool TakesMasterKey(Command command) {
    return command == Command::kShow || command == Command::kCopy || command == Command::kStore;
}

// Walks the arguments after the command: options with their values ("--x V" or "--x=V") and the
// one file name; "--" ends the options.
class Parser {
public:
    Parser(CliArguments& result, std::vector<std::string_view> words) : result_(result), words_(std::move(words)) {}

    void Run() {
        bool options = true;
        for (next_ = 0; next_ < words_.size();) {
            const std::string_view word = words_[next_++];
            if (options && word == "--") {
                options = false;
            } else if (options && word.size() > 1 && word.front() == '-') {
                Option(word);
            } else {
                File(word);
            }
        }
        if (result_.help) return;
        if (TakesMasterKey(result_.command) && result_.file.empty()) throw Usage(u"Не указан файл ключа");
    }

private:
    void Option(std::string_view word) {
        std::string_view name = word;
        std::optional<std::string_view> inline_value;
        if (const auto equals = word.find('='); equals != std::string_view::npos) {
            name = word.substr(0, equals);
            inline_value = word.substr(equals + 1);
        }
        const Command command = result_.command;
        if (name == "--help" || name == "-h") {
            NoValue(name, inline_value);
            result_.help = true;
        } else if (TakesMasterKey(command) && name == "--master-file") {
            SetMaster(MasterSource::kFile, name);
            result_.master_file = Text(Value(name, inline_value));
            if (result_.master_file.empty()) throw Usage(u"Пустое имя файла мастер-ключа");
        } else if (TakesMasterKey(command) && name == "--master-prompt") {
            NoValue(name, inline_value);
            SetMaster(MasterSource::kPrompt, name);
        } else if (TakesMasterKey(command) && name == "--no-master") {
            NoValue(name, inline_value);
            SetMaster(MasterSource::kNone, name);
        } else if (command == Command::kStore && name == "--stdin") {
            NoValue(name, inline_value);
            result_.from_stdin = true;
        } else if (command == Command::kCopy && name == "--clear") {
            result_.clear_seconds = NumberIn(name, Value(name, inline_value), 1, 86400);
        } else if (command == Command::kGenerate && name == "--length") {
            result_.length = NumberIn(name, Value(name, inline_value), 1, 255);
        } else if (command == Command::kGenerate && name == "--classes") {
            result_.classes = Classes(Value(name, inline_value));
        } else {
            throw Usage(u"Неизвестный параметр «" + Text(word) + u"»");
        }
    }

    static ClassChoice Classes(std::string_view list) {
        const std::optional<ClassChoice> choice = ParseClassNames(list);
        if (!choice)
            throw Usage(u"Неизвестный класс символов в «" + Text(list) +
                        u"»: допустимы latin, latin-upper, latin-lower, "
                        u"russian, russian-upper, russian-lower, digits, signs, none");
        return *choice;
    }

    std::string_view Value(std::string_view name, std::optional<std::string_view> inline_value) {
        if (inline_value) return *inline_value;
        if (next_ == words_.size()) throw Usage(u"Для " + Text(name) + u" не указано значение");
        return words_[next_++];
    }

    void NoValue(std::string_view name, std::optional<std::string_view> inline_value) {
        if (inline_value) throw Usage(u"Параметр " + Text(name) + u" не принимает значения");
    }

    void SetMaster(MasterSource source, std::string_view name) {
        if (master_chosen_) throw Usage(u"Источник мастер-ключа указан дважды (" + Text(name) + u")");
        master_chosen_ = true;
        result_.master = source;
    }

    void File(std::string_view word) {
        if (!TakesMasterKey(result_.command)) throw Usage(u"Лишний аргумент «" + Text(word) + u"»");
        if (!result_.file.empty()) throw Usage(u"Файл ключа указан дважды: «" + Text(word) + u"»");
        if (word.empty()) throw Usage(u"Пустое имя файла ключа");
        result_.file = Text(word);
    }

    CliArguments& result_;
    std::vector<std::string_view> words_;
    std::size_t next_ = 0;
    bool master_chosen_ = false;
};

}  // namespace

CliArguments ParseArguments(int argc, char** argv) {
    std::vector<std::string_view> words;
    for (int i = 1; i < argc; ++i) {
        words.emplace_back(argv[i]);
        // Names reach the file system through UTF-8; another byte sequence would name another file.
        if (!IsValidUtf8(words.back())) throw Usage(u"Аргумент " + Text(std::to_string(i)) + u" не в кодировке UTF-8");
    }
    CliArguments result;
    if (words.empty()) throw Usage(u"Не указана команда");
    if (words.front() == "--help" || words.front() == "-h") {
        result.help = true;
        if (words.size() > 1) throw Usage(u"Лишний аргумент «" + Text(words[1]) + u"»");
        return result;
    }
    result.command = CommandNamed(words.front());
    words.erase(words.begin());
    Parser(result, std::move(words)).Run();
    return result;
}

}  // namespace sorvane
