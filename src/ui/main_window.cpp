// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <limits>

#include "folders/program_directory.h"
#include "folders/settings_location.h"
#include "ui/dialogs.h"
#include "ui/editable_combo_box.h"
#include "ui/fonts.h"
#include "ui/mouse_up_check_box.h"
#include "ui/panel/directory_list_box.h"
#include "ui/panel/drive_combo_box.h"
#include "ui/panel/file_list_box.h"
#include "ui/panel/filter_combo_box.h"
#include "ui/panel/folder_label.h"
#include "ui/qt_text.h"
#include "ui/range_spin_box.h"
#include "ui/screen_placement.h"
#include "ui/secret_line_edit.h"
#include "ui/wheel_guard.h"

namespace sorvane {

namespace {

// The frame around the client area: a fixed single border and a title bar, at 96 pixels per inch.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 28;
constexpr QSize kDesignClientSize{516, 462};

// The client length inside an outer one, in what Qt accepts: stored sizes may be anything an int holds.
int ClientLength(int outer, int frame) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(outer) - frame, 0, QWIDGETSIZE_MAX));
}

// A screen coordinate Qt's geometry can add a size to without overflow.
int ScreenCoordinate(int value) { return std::clamp(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); }

const QString kFilter = QStringLiteral("Key files (*.key)|*.key|Txt files (*.txt)|*.txt|All files (*.*)|*.*");

template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

QPushButton* Button(QWidget* parent, const QString& caption, const QString& hint = {}) {
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(hint);
    return button;
}

}  // namespace

TForm1::TForm1(Dialogs& dialogs, std::optional<std::u16string> program_directory, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      program_directory_(std::move(program_directory)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sorvane 2.2"));
    RegisterShippedFonts();
    MapPlainFaceUnlessShipped(ToQString(ProgramDir()));
    QFont font(kPlainFace);
    font.setPixelSize(11);
    setFont(font);
    // The program's face everywhere: in its file dialogs and tool tips too, and in the first layout
    // a line edit makes before it takes its widget's font (which would load the desktop's face for
    // nothing at every start).
    QApplication::setFont(font);
    setFixedSize(kDesignClientSize);
    move(0, 0);
    CreateControls();
    ConnectHandlers();
    Guard([this] { FormCreate(); });
    // A stored place off every screen (a monitor unplugged, a damaged settings file) comes back.
    move(PlaceOnSomeScreen(pos(), {OuterWidth(), OuterHeight()}));
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
    Label1 = Place(new QLabel(QStringLiteral("Введите ключ для записи"), this), "Label1", 2, 195, 132, 13);
    Label2 = Place(new QLabel(QStringLiteral("Подтвердите ключ для записи"), this), "Label2", 2, 232, 158, 13);
    Label4 = Place(new QLabel(QStringLiteral("Длина"), this), "Label4", 163, 186, 32, 13);
    Label3 = Place(new FolderLabel(this), "Label3", 2, 316, 115, 13);
    Label3->setToolTip(QStringLiteral("Щелкните здесь что бы скопировать имя папки в буфер обмена"));
    Label5 = Place(new QLabel(QStringLiteral("Если строка пустая, то ключи не (де)шифруются"), this), "Label5", 0, 0,
                   253, 13);
    Button1 =
        Place(Button(this, QStringLiteral("Скопировать ключ из файла в буфер обмена")), "Button1", 2, 95, 249, 30);
    Edit1 = Place(new SecretLineEdit(QStringLiteral("123"), this), "Edit1", 2, 209, 249, 21);
    Edit2 = Place(new SecretLineEdit(QStringLiteral("123"), this), "Edit2", 2, 247, 249, 21);
    Button2 = Place(Button(this, QStringLiteral("Записать введенный ключ в текущий файл")), "Button2", 1, 271, 249, 26);
    RadioButton1 = Place(new QRadioButton(QStringLiteral("Скрыть пароль"), this), "RadioButton1", 2, 155, 113, 17);
    RadioButton1->setChecked(true);
    RadioButton2 = Place(new QRadioButton(QStringLiteral("Показать пароль"), this), "RadioButton2", 2, 172, 113, 17);
    FileListBox1 = Place(new FileListBox(this), "FileListBox1", 128, 330, 120, 60);
    DirectoryListBox1 = Place(new DirectoryListBox(*FileListBox1, *Label3, this), "DirectoryListBox1", 2, 330, 120, 60);
    DriveComboBox1 = Place(new DriveComboBox(this), "DriveComboBox1", 1, 298, 120, 19);
    FilterComboBox1 = Place(new FilterComboBox(kFilter, this), "FilterComboBox1", 135, 439, 113, 21);
    Button3 = Place(Button(this, QStringLiteral("Директория программы")), "Button3", 119, 298, 130, 19);
    Button4 = Place(Button(this, QStringLiteral("Сгенерировать пароль")), "Button4", 121, 155, 129, 25);
    SpinEdit1 = Place(new RangeSpinBox(this), "SpinEdit1", 201, 185, 49, 22);
    SpinEdit1->setRange(1, 255);
    SpinEdit1->setValue(7);
    Button5 = Place(Button(this, QStringLiteral("Скопировать имя файла в буфер обмена")), "Button5", 2, 63, 249, 26);
    Button6 = Place(Button(this, QStringLiteral("Создать"), QStringLiteral("Создать файл или директорию")), "Button6",
                    0, 413, 65, 21);
    Edit3 = Place(new QLineEdit(QStringLiteral("Temp.key"), this), "Edit3", 2, 391, 176, 21);
    Edit3->setToolTip(QStringLiteral("Имя нового файла"));
    Button7 = Place(Button(this, QStringLiteral("Удалить"), QStringLiteral("Удалить выбранный файл или директорию")),
                    "Button7", 68, 413, 66, 21);
    const QString nothing = QStringLiteral("Ничего");
    const QString capitals = QStringLiteral("Заглавные");
    const QString small = QStringLiteral("Строчные");
    ComboBox1 = Place(new EditableComboBox(this, QStringLiteral("Английские"),
                                           {nothing, QStringLiteral("Английские"), capitals, small}),
                      "ComboBox1", 2, 131, 81, 21);
    ComboBox2 = Place(new EditableComboBox(this, nothing, {nothing, QStringLiteral("Русские"), capitals, small}),
                      "ComboBox2", 89, 131, 81, 21);
    ComboBox3 = Place(
        new EditableComboBox(this, QStringLiteral("Цифры"),
                             {nothing, QStringLiteral("Цифры"), QStringLiteral("Знаки"), QStringLiteral("Циф.+Знаки")}),
        "ComboBox3", 176, 131, 74, 21);
    ComboBox4 = Place(
        new EditableComboBox(this, QStringLiteral("Файл"), {QStringLiteral("Файл"), QStringLiteral("Директория")}),
        "ComboBox4", 183, 391, 65, 21);
    Button8 = Place(Button(this, QStringLiteral("Переименовать")), "Button8", 135, 413, 113, 21);

    GroupBox1 =
        Place(new QGroupBox(QStringLiteral("Пустая строка\\Пароль\\Путь к файлу"), this), "GroupBox1", 2, 19, 249, 41);
    Edit4 = Place(new SecretLineEdit(GroupBox1), "Edit4", 16, 15, 209, 21);
    Button9 = Place(Button(GroupBox1, QStringLiteral("..."), QStringLiteral("Выбрать файл ключ")), "Button9", 225, 24,
                    22, 17);
    CheckBox1 = Place(new MouseUpCheckBox(QStringLiteral("CheckBox1"), GroupBox1), "CheckBox1", 2, 10, 14, 17);
    CheckBox1->setToolTip(QStringLiteral("Скрыть пароль или путь к файлу ключу"));
    CheckBox2 = Place(new MouseUpCheckBox(QStringLiteral("CheckBox2"), GroupBox1), "CheckBox2", 2, 25, 16, 18);
    CheckBox2->setToolTip(QStringLiteral("Запомнить пароль или путь к файлу ключу"));
    Button10 =
        Place(Button(GroupBox1, QStringLiteral("-->"), QStringLiteral("Записать текущий пароль в отдельный файл ключ")),
              "Button10", 225, 8, 22, 17);

    ComboBox5 = Place(new EditableComboBox(this, QStringLiteral("Развернуть окно"),
                                           {QStringLiteral("Сжать окно"), QStringLiteral("Развернуть окно")}),
                      "ComboBox5", 23, 439, 111, 21);
    Button11 = Place(Button(this, QStringLiteral("<>"), QStringLiteral("Используйте \"Сжать окно для востановления\"")),
                     "Button11", 0, 439, 20, 18);

    // Tab order as designed; the group box's own controls in theirs.
    const QList<QWidget*> order = {
        Button1,           Edit1,          Edit2,           Button2,   RadioButton1, RadioButton2, FileListBox1,
        DirectoryListBox1, DriveComboBox1, FilterComboBox1, Button3,   Button4,      SpinEdit1,    Button5,
        Button6,           Edit3,          Button7,         ComboBox1, ComboBox2,    ComboBox3,    ComboBox4,
        Button8,           GroupBox1,      Edit4,           Button9,   CheckBox1,    CheckBox2,    Button10,
        ComboBox5,         Button11};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);

    for (QWidget* box : std::initializer_list<QWidget*>{ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5,
                                                        DriveComboBox1, FilterComboBox1, SpinEdit1})
        IgnoreWheelUnlessFocused(box);
    // Keys and master key paths of any length: no silent cut at Qt's default of 32767 characters.
    for (QLineEdit* box : {Edit1, Edit2, Edit4}) box->setMaxLength(std::numeric_limits<int>::max());
}

void TForm1::ConnectHandlers() {
    const auto on_click = [this](QPushButton* button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { Guard([this, handler] { (this->*handler)(); }); });
    };
    on_click(Button1, &TForm1::Button1Click);
    on_click(Button2, &TForm1::Button2Click);
    on_click(Button3, &TForm1::Button3Click);
    on_click(Button4, &TForm1::Button4Click);
    on_click(Button5, &TForm1::Button5Click);
    on_click(Button6, &TForm1::Button6Click);
    on_click(Button7, &TForm1::Button7Click);
    on_click(Button8, &TForm1::Button8Click);
    on_click(Button9, &TForm1::Button9Click);
    on_click(Button10, &TForm1::Button10Click);
    on_click(Button11, &TForm1::Button11Click);
    connect(Label3, &FolderLabel::clicked, this, [this] { Guard([this] { Label3Click(); }); });
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) RadioButton1Click();
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) RadioButton2Click();
    });
    connect(CheckBox1, &MouseUpCheckBox::mouseUp, this, &TForm1::CheckBox1MouseUp);
    connect(ComboBox5, &QComboBox::editTextChanged, this, &TForm1::ComboBox5Change);
    // Picking the item already shown changes no text, and still applies its layout again.
    connect(ComboBox5, &QComboBox::activated, this, &TForm1::ComboBox5Change);

    // The folder panel's coupling.
    const auto enter = [this](const std::filesystem::path& folder) {
        Guard([&] { DirectoryListBox1->SetDirectory(folder); });
    };
    connect(DirectoryListBox1, &DirectoryListBox::enterRequested, this, enter);
    connect(DriveComboBox1, &DriveComboBox::driveChosen, this, enter);
    connect(DirectoryListBox1, &DirectoryListBox::directoryChanged, DriveComboBox1, &DriveComboBox::ShowDriveOf);
    connect(FilterComboBox1, &FilterComboBox::maskChosen, this,
            [this](const std::u16string& mask) { Guard([&] { FileListBox1->SetMask(mask); }); });
    DriveComboBox1->ShowDriveOf(DirectoryListBox1->Directory());
}

std::u16string TForm1::ProgramDir() const { return program_directory_ ? *program_directory_ : ProgramDirectory(); }

std::u16string TForm1::SettingsPath() const { return SettingsFilePath(ProgramDir(), UserConfigHome()); }

void TForm1::SetLeft(int left) { move(ScreenCoordinate(left), y()); }
void TForm1::SetTop(int top) { move(x(), ScreenCoordinate(top)); }
int TForm1::OuterWidth() const { return width() + kFrameWidth; }
int TForm1::OuterHeight() const { return height() + kFrameHeight; }
void TForm1::SetOuterWidth(int width) { setFixedWidth(ClientLength(width, kFrameWidth)); }
void TForm1::SetOuterHeight(int height) { setFixedHeight(ClientLength(height, kFrameHeight)); }

void TForm1::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        dialogs_.Error(this, QString::fromUtf8(error.what()));
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A failed save is shown, and the window closes all the same: the user must be able to quit.
    Guard([this] { FormClose(); });
    event->accept();
}

}  // namespace sorvane
