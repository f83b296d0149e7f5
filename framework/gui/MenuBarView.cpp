#include "framework/gui/MenuBarView.h"

#include <algorithm>
#include <memory>

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QStringList>

#include "framework/core/AppleMenuItem.h"
#include "framework/gui/QtText.h"

namespace fw {

namespace {

// Qt reads "&" as a mnemonic marker; menu texts are shown as they are.
QString DisplayText(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString DisplayText(const String& text)
{
    return DisplayText(ToQString(text));
}

bool IsAppleItem(const MenuItem& item)
{
    return dynamic_cast<const AppleMenuItem*>(&item) != nullptr;
}

// The portable (Qt) name of a modifier of the shortcut texts, or "" for a
// word that is none.
QString PortableModifier(const QString& word)
{
    const QString w = word.toLower();
    if (w == QLatin1String("cmd") || w == QLatin1String("command")) {
        return QStringLiteral("Ctrl");
    }
    if (w == QLatin1String("shift")) {
        return QStringLiteral("Shift");
    }
    if (w == QLatin1String("option") || w == QLatin1String("opt") || w == QLatin1String("alt")) {
        return QStringLiteral("Alt");
    }
    if (w == QLatin1String("ctrl") || w == QLatin1String("control")) {
        return QStringLiteral("Meta");
    }
    return {};
}

} // namespace

MenuBarView::MenuBarView(Ref<MenuBar> bar, const QString& applicationName, QWidget* parent)
    : QMenuBar(parent)
    , m_bar(std::move(bar))
{
    Deref(m_bar, "menu bar shown by a window");
    Build(applicationName);
}

MenuBarView::~MenuBarView() = default;

QAction* MenuBarView::ActionFor(const MenuItem& item) const
{
    const auto found = std::ranges::find_if(m_entries, [&item](const Entry& entry) {
        return entry.item.get() == &item;
    });
    return found == m_entries.end() ? nullptr : found->action;
}

bool MenuBarView::Binds(const QKeySequence& key) const
{
    return !key.isEmpty() && std::ranges::any_of(m_entries, [&key](const Entry& entry) {
        return entry.action->shortcut() == key;
    });
}

QKeySequence MenuBarView::KeySequenceFor(const String& shortcutText)
{
    QString text = ToQString(shortcutText).trimmed();
    if (text.isEmpty()) {
        return {};
    }
    // "Cmd++" names the plus key: split off the key before the modifiers.
    QString key;
    if (text.endsWith(QLatin1String("++"))) {
        key = QStringLiteral("+");
        text.chop(2);
    } else {
        const qsizetype plus = text.lastIndexOf(QLatin1Char('+'));
        key = text.mid(plus + 1).trimmed();
        text.truncate(plus < 0 ? 0 : plus);
    }
    if (key.isEmpty()) {
        return {};
    }
    QStringList portable;
    for (const QString& word : text.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        const QString modifier = PortableModifier(word.trimmed());
        if (modifier.isEmpty()) {
            return {};
        }
        portable.append(modifier);
    }
    portable.append(key);
    const QKeySequence sequence = QKeySequence::fromString(portable.join(QLatin1Char('+')),
                                                           QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) {
        return {};
    }
    return sequence;
}

void MenuBarView::Build(const QString& applicationName)
{
    std::vector<Ref<MenuItem>> appleItems;
    std::ranges::copy_if(m_bar->Descendants(), std::back_inserter(appleItems),
                         [](const Ref<MenuItem>& item) { return IsAppleItem(*item); });
    if (!appleItems.empty()) {
        m_applicationMenu = addMenu(DisplayText(applicationName));
        WatchOpening(m_applicationMenu);
        for (const Ref<MenuItem>& item : appleItems) {
            AddAction(m_applicationMenu, item);
        }
    }
    for (const Ref<MenuItem>& item : m_bar->Children()) {
        AddItem(this, item);
    }
}

void MenuBarView::AddItem(QWidget* container, const Ref<MenuItem>& item)
{
    if (IsAppleItem(*item)) {
        return; // already in the application menu
    }
    if (item->IsSeparator()) {
        QAction* separator = new QAction(container);
        separator->setSeparator(true);
        container->addAction(separator);
        return;
    }
    if (!item->Children().empty()) {
        Populate(AddMenu(container, *item), *item);
        return;
    }
    AddAction(container, item);
}

QMenu* MenuBarView::AddMenu(QWidget* container, const MenuItem& item)
{
    QMenu* menu = new QMenu(DisplayText(item.Text()), container);
    container->addAction(menu->menuAction());
    WatchOpening(menu);
    return menu;
}

void MenuBarView::Populate(QMenu* menu, const MenuItem& parent)
{
    for (const Ref<MenuItem>& item : parent.Children()) {
        AddItem(menu, item);
    }
}

void MenuBarView::AddAction(QWidget* container, const Ref<MenuItem>& item)
{
    QAction* action = new QAction(DisplayText(item->Text()), container);
    action->setShortcut(KeySequenceFor(item->KeyboardShortcut()));
    // Placement is the tree's (and ours, for AppleMenuItems), not Qt's.
    action->setMenuRole(QAction::NoRole);
    action->setEnabled(item->Enabled());
    container->addAction(action);
    m_entries.push_back({ item, action });

    m_subscriptions.push_back(item->ObserveEnabled([guard = QPointer<QAction>(action)](bool enabled) {
        if (guard) {
            guard->setEnabled(enabled);
        }
    }));
    connect(action, &QAction::triggered, this, [this, item] { Report(item); });
}

void MenuBarView::WatchOpening(QMenu* menu)
{
    connect(menu, &QMenu::aboutToShow, this, [this] {
        if (m_aboutToShow) {
            m_aboutToShow();
        }
    });
}

void MenuBarView::Report(const Ref<MenuItem>& item) const
{
    // The update run before a shortcut may have switched the item off after
    // Qt matched the key: the tree's state decides.
    if (item->Enabled() && m_triggered) {
        m_triggered(item);
    }
}

} // namespace fw
