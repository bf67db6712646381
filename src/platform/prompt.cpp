#include "prompt.h"

#include <QQueue>
#include <cstdio>

namespace prompt {
namespace {

struct State {
    Backend *backend = nullptr;
    QString title;
    bool testMode = false;
    QQueue<int> answers;
    QQueue<QString> fileNames;
    QQueue<QColor> colors;
    QList<Asked> asked;
};

State &state()
{
    static State s;
    return s;
}

} // namespace

void setBackend(Backend *backend)
{
    state().backend = backend;
}

void setDefaultTitle(const QString &title)
{
    state().title = title;
}

int ask(const Message &m)
{
    State &s = state();
    Message message = m;
    if (message.title.isEmpty())
        message.title = s.title;
    s.asked.append({message, {}, false});
    if (!s.answers.isEmpty())
        return s.answers.dequeue();
    if (s.testMode)
        return message.defaultButton;
    if (s.backend)
        return s.backend->show(message);
    std::fprintf(stderr, "%s\n", qPrintable(message.text));
    return message.defaultButton;
}

void information(const QString &text, const QString &title)
{
    ask({Icon::Information, title, text, Ok, Ok});
}

void warning(const QString &text, const QString &title)
{
    ask({Icon::Warning, title, text, Ok, Ok});
}

void error(const QString &text, const QString &title)
{
    ask({Icon::Error, title, text, Ok, Ok});
}

bool question(const QString &text, const QString &title, bool defaultYes)
{
    return ask({Icon::Question, title, text, Yes | No, defaultYes ? Yes : No}) == Yes;
}

static QString chooseFile(const FileRequest &request)
{
    State &s = state();
    s.asked.append({{Icon::Question, request.title, request.directory, Ok, Ok}, request, true});
    if (!s.fileNames.isEmpty())
        return s.fileNames.dequeue();
    if (s.testMode || !s.backend)
        return {};
    return s.backend->chooseFile(request);
}

QString openFileName(const QString &title, const QString &directory, const QString &filter)
{
    return chooseFile({FileKind::Open, title, directory, filter});
}

QString saveFileName(const QString &title, const QString &proposed, const QString &filter)
{
    return chooseFile({FileKind::Save, title, proposed, filter});
}

QString directory(const QString &title, const QString &dir)
{
    return chooseFile({FileKind::Directory, title, dir, {}});
}

QColor chooseColor(const QString &title, const QColor &initial)
{
    State &s = state();
    s.asked.append({{Icon::Question, title, initial.name(), Ok, Ok}, {}, false});
    if (!s.colors.isEmpty())
        return s.colors.dequeue();
    if (s.testMode || !s.backend)
        return initial;
    return s.backend->chooseColor(title, initial);
}

void setTestMode(bool on)
{
    state().testMode = on;
}

void setNextAnswer(int button)
{
    state().answers.enqueue(button);
}

void setNextFileName(const QString &fileName)
{
    state().fileNames.enqueue(fileName);
}

void setNextColor(const QColor &color)
{
    state().colors.enqueue(color);
}

const QList<Asked> &asked()
{
    return state().asked;
}

QString lastText()
{
    const auto &a = state().asked;
    return a.isEmpty() ? QString() : a.last().message.text;
}

void clear()
{
    State &s = state();
    s.asked.clear();
    s.answers.clear();
    s.fileNames.clear();
    s.colors.clear();
}

} // namespace prompt
