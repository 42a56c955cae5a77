// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "ui/clipboard_guard.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace sorvane {

class Dialogs;
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class FilterComboBox;
class FolderLabel;
class MouseUpCheckBox;
class RangeSpinBox;
struct ResolvedMasterKey;
struct WindowSettings;
enum class CodePagePassage;

// The one window. Every control carries its name as object name; every command is a handler here.
class TForm1 final : public QWidget {
    Q_OBJECT
public:
    // program_directory: where "sorvane.ini" and the font files are (ends with a separator);
    // the running executable's folder unless a test gives its own.
    explicit TForm1(Dialogs& dialogs, std::optional<std::u16string> program_directory = std::nullopt,
                    QWidget* parent = nullptr);
    ~TForm1() override;

    // The window's outer left and top edges; any int is taken, kept in the range Qt can add a size to.
    void SetLeft(int left);
    void SetTop(int top);
    // The window's outer size: the client area and the frame around it.
    int OuterWidth() const;
    int OuterHeight() const;
    void SetOuterWidth(int width);
    void SetOuterHeight(int height);

    // Start-up and shutdown.
    // Reads the settings, applies the window state, masks the key boxes and sets the defaults.
    void FormCreate();
    // Clears a key of ours from the clipboard, releases the fonts and writes the settings.
    void FormClose();
    // Applies "sorvane.ini" to the window: place, size, state, folder, master-field choices.
    void ReadParams();
    // Writes the window's settings back into "sorvane.ini", keeping the file's other lines.
    void WriteParams();

    // View handlers.
    // "Скрыть пароль": the key box and the confirmation box in the masking face.
    void RadioButton1Click();
    // "Показать пароль": the key box and the confirmation box in the plain face.
    void RadioButton2Click();
    // Masks or shows the master field as CheckBox1 says.
    void CheckBox1MouseUp();
    // Collapses or expands the window as ComboBox5 says.
    void ComboBox5Change();
    // Gives the folder panel's width to the folder list or to the file list, in turn.
    void Button11Click();

    // Key commands.
    // Reads the selected file's key (decoded under the master field), shows it and copies it.
    void Button1Click();
    // Writes the confirmed key box into the selected file and copies it.
    void Button2Click();
    // Creates the file or folder named in Edit3 (a file holds the confirmed key box).
    void Button6Click();
    // Chooses a master key file for the master field.
    void Button9Click();
    // Saves the master field's key, enciphered, into a chosen master key file.
    void Button10Click();

    // The password generator.
    // Generates a key of SpinEdit1's length from the class boxes' sets into both key boxes.
    void Button4Click();

    // Folder panel commands.
    // Opens the program's own folder.
    void Button3Click();
    // Copies the selected file's name without extension into the key boxes and the clipboard.
    void Button5Click();
    // Copies the open folder's name into the key boxes and the clipboard.
    void Label3Click();
    // Deletes the selected file or the open folder, as ComboBox4 says.
    void Button7Click();
    // Renames the selected file or the open folder to Edit3's name, as ComboBox4 says.
    void Button8Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Before any control exists, so that no text is laid out in a stand-in face.
    void RegisterShippedFonts();
    void CreateControls();
    void ConnectHandlers();
    // Runs a handler; an exception that escapes it is shown in the error box, and the program goes on.
    void Guard(const std::function<void()>& handler);
    std::u16string ProgramDir() const;
    std::u16string SettingsPath() const;
    // The settings as the controls hold them now (the defaults of every value read at start).
    WindowSettings CurrentSettings() const;
    // Keeps the master key that a resolution read from a master key file as the master field's hint.
    // Gives false, after telling the user, when that master key is empty.
    bool AcceptMasterKey(const ResolvedMasterKey& master);
    // Whether the key box and the confirmation box agree; tells the user when they do not.
    bool KeysConfirmed();
    // Stores the key box's text into the file under the master field, after the master key's hint
    // is set. Gives false, after telling the user, when the key would not come back unchanged.
    bool StoreKeyBox(const std::filesystem::path& file, CodePagePassage passage);
    // Puts the text into the key box and the confirmation box.
    void SetKeyBoxes(const QString& text);
    // Whether the open folder may be deleted (or renamed); tells the user why not: the root, the home
    // folder and the volume roots stay.
    bool FolderMayGo(const std::filesystem::path& folder, bool deleting);
    // The file list's selected file; nothing, after telling the user, when no file is selected.
    std::optional<std::filesystem::path> SelectedFile();

    Dialogs& dialogs_;
    std::optional<std::u16string> program_directory_;
    int pass_font_id_ = -1;
    int tahoma_font_id_ = -1;
    ClipboardGuard clipboard_guard_{this};

public:
    // The controls, in creation order.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    FolderLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* Button1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button2 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    FileListBox* FileListBox1 = nullptr;
    DirectoryListBox* DirectoryListBox1 = nullptr;
    DriveComboBox* DriveComboBox1 = nullptr;
    FilterComboBox* FilterComboBox1 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    RangeSpinBox* SpinEdit1 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* Button7 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QPushButton* Button8 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QPushButton* Button9 = nullptr;
    MouseUpCheckBox* CheckBox1 = nullptr;
    MouseUpCheckBox* CheckBox2 = nullptr;
    QPushButton* Button10 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QPushButton* Button11 = nullptr;
};

}  // namespace sorvane
