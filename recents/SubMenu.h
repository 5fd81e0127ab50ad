#pragma once

#include <QAction>

#include <cstdint>

// An item of the recent-files submenu. Besides its tag (the entry it acts on)
// it knows which command it is, so that it is recognised whatever language
// its text was made in.
class SubMenu : public QAction {
    Q_OBJECT
public:
    enum class Command { LoadFile, WithdrawFromList, Separator, EraseFileList };

    SubMenu(const QString& text, std::int32_t tag, Command command, QObject* parent);

    std::int32_t Tag() const { return m_tag; }
    Command command() const { return m_command; }

    // Carries the command out; true when it was one of the list's commands.
    bool Action();

private:
    std::int32_t m_tag;
    Command m_command;
};
