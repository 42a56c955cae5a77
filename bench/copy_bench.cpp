// SPDX-License-Identifier: GPL-3.0-or-later
// Copy of a key under a master key file: Button1Click from its start until the key is on the
// clipboard (reading the key file, reading and decoding the master key file, decoding the key).
#include <benchmark/benchmark.h>

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "cipher/builtin_chain.h"
#include "command_timing.h"
#include "keystore/key_chain.h"
#include "keystore/key_file.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/panel/directory_list_box.h"
#include "ui/panel/file_list_box.h"
#include "ui/qt_text.h"

namespace {

class SilentDialogs final : public sorvane::Dialogs {
public:
    void Information(QWidget*, const QString&) override {}
    void Error(QWidget*, const QString& text) override { qFatal("%s", qPrintable(text)); }
    std::optional<QString> OpenFileName(QWidget*) override { return std::nullopt; }
    std::optional<QString> SaveFileName(QWidget*) override { return std::nullopt; }
};

void BM_CopyKeyUnderMasterKeyFile(benchmark::State& state) {
    const QString working_directory = QDir::currentPath();
    QTemporaryDir program, data;
    const std::u16string folder = sorvane::ToU16(data.path());
    const std::u16string master_file = folder + u"/master.key";
    sorvane::WriteKeyLine(master_file, sorvane::Passway(u"a master key of some length 2026"));
    sorvane::WriteKeyLine(folder + u"/mail.key",
                          sorvane::EncodeKey(u"correct horse battery staple", u"a master key of some length 2026"));
    SilentDialogs dialogs;
    sorvane::TForm1 window(dialogs, sorvane::ToU16(program.path() + QLatin1Char('/')));
    window.DirectoryListBox1->SetDirectory(folder);
    window.FileListBox1->selectionModel()->select(window.FileListBox1->model()->index(0, 0),
                                                  QItemSelectionModel::ClearAndSelect);
    window.Edit4->setText(sorvane::ToQString(master_file));
    for (auto _ : state) {
        window.Button1Click();
        if (QGuiApplication::clipboard()->text() != QStringLiteral("correct horse battery staple"))
            state.SkipWithError("wrong key");
    }
    window.hide();
    // What a user would otherwise run to read the stored line (no decoding, no clipboard).
    state.counters["head_n1_ms"] =
        sorvane::bench::MedianSecondsOf("head -n1 '" + data.path().toStdString() + "/mail.key' > /dev/null") * 1e3;
    QDir::setCurrent(working_directory);  // the folder list moved it into the folder about to go
}
BENCHMARK(BM_CopyKeyUnderMasterKeyFile)->Unit(benchmark::kMicrosecond);

}  // namespace
