#pragma once
#include <QString>

// What long operations report to their progress window. The logic takes a
// Progress&; the windows implement it. NoProgress shows nothing.
class Progress
{
public:
    virtual ~Progress() = default;
    virtual void setTask(const QString &) {}
    virtual void setMessage(const QString &) {}
    virtual void setMaximum(int) {}
    virtual void setPosition(int) {}
    virtual int position() const { return 0; }
    void step() { setPosition(position() + 1); }
    virtual void open() {}
    virtual void finish() {}
    virtual bool cancelled() const { return false; }
};

class NoProgress : public Progress
{
public:
    void setPosition(int p) override { m_position = p; }
    int position() const override { return m_position; }

private:
    int m_position = 0;
};
