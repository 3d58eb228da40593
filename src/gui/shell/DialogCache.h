// DialogCache.h: the main window's modeless dialogs, created on first use and
// kept; when more than the limit are kept, the one used least recently is freed.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

namespace quor {

class DialogCache {
public:
    explicit DialogCache(int limit = 3);
    ~DialogCache();
    DialogCache(const DialogCache&) = delete;
    DialogCache& operator=(const DialogCache&) = delete;

    // Below 3 counts as 3. A lower limit takes effect at the next use.
    void SetLimit(int limit);
    int Limit() const { return m_limit; }

    // The dialog kept under `key`, made by `create` when there is none; it becomes
    // the most recently used. The cache owns what `create` returns. Dialogs freed
    // for the limit are deleted later, so one may still be running its own handler.
    QWidget* Use(const QString& key, const std::function<QWidget*()>& create);

    template <class T>
    T* Use()
    {
        return static_cast<T*>(Use(QString::fromLatin1(T::staticMetaObject.className()), [] { return new T(); }));
    }

    // The dialog kept under `key` without counting a use; nullptr when none.
    QWidget* Find(const QString& key) const;

    // Keys of the kept dialogs, least recently used first.
    QStringList Keys() const;

    // Frees every kept dialog (at close of the main window).
    void Clear();

private:
    struct Slot {
        QString key;
        QPointer<QWidget> dialog;
    };
    void DropDeleted();

    int m_limit;
    std::vector<Slot> m_slots;
};

} // namespace quor
