#include "shell/DialogCache.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPointer>

#include <gtest/gtest.h>

namespace quor {
namespace {

void RunDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(DialogCache, KeepsTheMostRecentlyUsedUpToTheLimit)
{
    DialogCache cache(1);   // below 3 counts as 3
    EXPECT_EQ(cache.Limit(), 3);
    int created = 0;
    auto make = [&] {
        ++created;
        return new QDialog;
    };
    QPointer<QWidget> search = cache.Use("search", make);
    cache.Use("link", make);
    cache.Use("image", make);
    EXPECT_EQ(cache.Use("search", make), search.data());   // kept, not created again
    EXPECT_EQ(created, 3);
    EXPECT_EQ(cache.Keys(), (QStringList{"link", "image", "search"}));

    QPointer<QWidget> link = cache.Find("link");
    cache.Use("table", make);   // a fourth: the least recently used goes
    EXPECT_EQ(cache.Keys(), (QStringList{"image", "search", "table"}));
    ASSERT_FALSE(link.isNull());   // freed later, not under a running handler
    RunDeferredDeletes();
    EXPECT_TRUE(link.isNull());
    EXPECT_FALSE(search.isNull());
}

TEST(DialogCache, ForgetsDialogsDeletedElsewhereAndClears)
{
    DialogCache cache;
    cache.SetLimit(4);
    auto* a = cache.Use("a", [] { return new QDialog; });
    QPointer<QWidget> b = cache.Use("b", [] { return new QDialog; });
    delete a;
    EXPECT_EQ(cache.Find("a"), nullptr);
    EXPECT_EQ(cache.Keys(), QStringList{"b"});
    cache.Clear();
    RunDeferredDeletes();
    EXPECT_TRUE(b.isNull());
    EXPECT_TRUE(cache.Keys().isEmpty());
}

} // namespace
} // namespace quor
