// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "cli/standard_streams.h"
#include "generator/password_generator.h"
#include "text/unicode.h"

namespace sorvane {

void RunGenerate(const CliArguments& arguments) {
    const std::string pool = BuildPool(arguments.classes);
    if (pool.empty()) throw CliFailure(ExitCode::kRefused, u"Выбранные параметры не позволяют создать пароль");
    WriteStandardOutput(Utf16ToUtf8(GeneratePassword(pool, arguments.length)) + "\n");
}

}  // namespace sorvane
