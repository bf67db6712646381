#include "platform/prompt.h"
#include "platform/singleinstance.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Prompt, QueuedAnswersAreTakenInOrderAndEverythingIsRecorded)
{
    prompt::clear();
    prompt::setNextAnswer(prompt::No);
    prompt::setNextFileName(QStringLiteral("/tmp/a.bkp"));
    EXPECT_FALSE(prompt::question(QStringLiteral("Sûr ?")));
    EXPECT_TRUE(prompt::question(QStringLiteral("Encore ?"))); // default answer in test mode
    EXPECT_EQ(prompt::saveFileName(QStringLiteral("Sauver"), {}, {}), QStringLiteral("/tmp/a.bkp"));
    EXPECT_EQ(prompt::openFileName(QStringLiteral("Ouvrir"), {}, {}), QString());
    ASSERT_EQ(prompt::asked().size(), 4);
    EXPECT_EQ(prompt::asked()[0].message.text, QStringLiteral("Sûr ?"));
    EXPECT_TRUE(prompt::asked()[2].isFile);
    EXPECT_EQ(prompt::asked()[2].fileRequest.kind, prompt::FileKind::Save);
    prompt::clear();
}

TEST(SingleInstance, OnlyOneHolderAtATime)
{
    QTemporaryDir dir;
    SingleInstance first(QStringLiteral("KORVANE_TONNEL"), dir.path());
    SingleInstance second(QStringLiteral("KORVANE_TONNEL"), dir.path());
    ASSERT_TRUE(first.tryAcquire());
    EXPECT_FALSE(second.tryAcquire());
}
