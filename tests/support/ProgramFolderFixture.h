#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A fresh, empty program folder for each test, with the clock fixed and the regional settings
// set to en_US; the shared state is reset before and after.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The shared state, settings, loaded projects and loaded team day back at their defaults.
    static void ResetProgramState();
    // Fixes today (and the time of day) for the code under test.
    static void SetToday(const QDate& date, const QTime& time = QTime(10, 0));

    // Bytes of a file under the program folder ("/a/b.txt" or "\a\b.txt").
    void WriteFile(const QString& relativePath, const QByteArray& bytes) const;
    QByteArray ReadFile(const QString& relativePath) const;
    bool Exists(const QString& relativePath) const;
    bool IsFolder(const QString& relativePath) const;
    void MakeFolders(const QString& relativePath) const;
    // Puts a file there that exists and opens but cannot be read, even by root (false where the
    // system has no such file to link to).
    bool MakeUnreadableFile(const QString& relativePath) const;
    QString FullPath(const QString& relativePath) const;

    QTemporaryDir folder_;
};
