#pragma once
#include "prompt.h"

// Shows the prompts as real message boxes and file dialogs.
class PromptDialogs : public prompt::Backend
{
public:
    int show(const prompt::Message &message) override;
    QString chooseFile(const prompt::FileRequest &request) override;
    QColor chooseColor(const QString &title, const QColor &initial) override;
};
