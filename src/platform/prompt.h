#pragma once
#include <QColor>
#include <QList>
#include <QString>
#include <functional>

// Every message box and file dialog of the program goes through here, so
// that tests can answer them. The windowed program installs a backend that
// shows real dialogs; without one (command line) messages go to stderr and
// questions take their default answer.
//
// Tests queue answers with setNextAnswer / setNextFileName and read back
// what was asked with asked(). In test mode a prompt without a queued answer
// is never shown: it takes its default answer and is recorded like the others.
namespace prompt {

enum class Icon { Information, Warning, Error, Question };

enum Button { Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8 };

struct Message {
    Icon icon = Icon::Information;
    QString title;
    QString text;
    int buttons = Ok;
    int defaultButton = Ok;
};

enum class FileKind { Open, Save, Directory };

struct FileRequest {
    FileKind kind = FileKind::Open;
    QString title;
    QString directory; // or the proposed file name
    QString filter;    // "Sauvegardes (*.bkp);;Tous les fichiers (*)"
};

class Backend
{
public:
    virtual ~Backend() = default;
    virtual int show(const Message &message) = 0;
    virtual QString chooseFile(const FileRequest &request) = 0; // empty when cancelled
    // The colour the dialog holds when it closes, confirmed or not.
    virtual QColor chooseColor(const QString &title, const QColor &initial) { (void)title; return initial; }
};

// The backend used from now on (not owned); nullptr for none.
void setBackend(Backend *backend);
// Title of every message box unless one is given.
void setDefaultTitle(const QString &title);

// Returns the button pressed.
int ask(const Message &message);
void information(const QString &text, const QString &title = {});
void warning(const QString &text, const QString &title = {});
void error(const QString &text, const QString &title = {});
// Yes/No question; true on Yes.
bool question(const QString &text, const QString &title = {}, bool defaultYes = true);
QString openFileName(const QString &title, const QString &directory, const QString &filter);
QString saveFileName(const QString &title, const QString &proposed, const QString &filter);
QString directory(const QString &title, const QString &directory);
// The colour dialog, starting from initial; what it holds when it closes.
QColor chooseColor(const QString &title, const QColor &initial);

// Test seam
void setTestMode(bool on);
void setNextAnswer(int button);
void setNextFileName(const QString &fileName); // empty means cancelled
void setNextColor(const QColor &color);
struct Asked {
    Message message;        // for dialogs: title and text
    FileRequest fileRequest; // for file dialogs
    bool isFile = false;
};
const QList<Asked> &asked();
// Text of the last message asked, or empty.
QString lastText();
void clear(); // forgets what was asked and what was queued

} // namespace prompt
