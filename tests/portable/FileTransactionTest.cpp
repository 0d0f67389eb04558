// A set of file changes made together or not at all, on the real file calls (under Wine) and
// on our Linux layer: staged copies, replacement of read-only files, removal, the files
// others write in place, and the way back when one change cannot be made.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32api.h"
#include "resources/resource.h"
#include "storage/CFileTransaction.h"
#include "support/TempFolder.h"
#include "support/ThrownId.h"

namespace {

class FileTransactionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_temp.Made()) << "no temporary folder"; }

    std::string Path(const std::string& name) const { return m_temp.Path() + name; }
    void Put(const std::string& name, const std::string& bytes) const { ASSERT_TRUE(m_temp.Put(name, bytes)) << name; }
    std::string Contents(const std::string& name) const { return m_temp.Read(name, "<missing>"); }
    static void Write(const std::string& path, const char* value)
    {
        ASSERT_TRUE(WritePrivateProfileStringA("S", "k", value, path.c_str())) << path;
    }
    // No staged copy is left in the folder.
    void ExpectNoStagedCopies() const
    {
        for (const char* name : {"a.ini.stage", "b.ini.stage", "c.ini.stage", "new.ini.stage"})
            EXPECT_EQ(Contents(name), "<missing>") << name;
    }

    TempFolder m_temp{"tvtransaction"};
};

TEST_F(FileTransactionTest, ACommitMakesEveryChangeAndOnlyThen)
{
    Put("a.ini", "[S]\r\nk=old a\r\n");
    Put("b.ini", "[S]\r\nk=old b\r\n");
    Put("c.ini", "gone");
    // An installed file may be read-only; it is replaced all the same.
    ASSERT_TRUE(SetFileAttributesA(Path("b.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    {
        CFileTransaction transaction("catalogue");
        Write(transaction.Stage(Path("a.ini")), "new a");
        Write(transaction.Stage(Path("b.ini")), "new b");
        Write(transaction.Stage(Path("new.ini"), false), "brand new");
        transaction.Remove(Path("c.ini"));
        EXPECT_EQ(transaction.Stage(Path("a.ini")), Path("a.ini.stage"));  // the same copy again
        // Nothing changed before the commit.
        EXPECT_EQ(Contents("a.ini"), "[S]\r\nk=old a\r\n");
        EXPECT_EQ(Contents("c.ini"), "gone");
        EXPECT_EQ(Contents("new.ini"), "<missing>");
        transaction.Commit();
    }
    EXPECT_EQ(Contents("a.ini"), "[S]\r\nk=new a\r\n");
    EXPECT_EQ(Contents("b.ini"), "[S]\r\nk=new b\r\n");
    EXPECT_EQ(Contents("new.ini"), "[S]\r\nk=brand new\r\n");
    EXPECT_EQ(Contents("c.ini"), "<missing>");
    // The previous versions stay beside them.
    EXPECT_EQ(Contents("a.ini.prev"), "[S]\r\nk=old a\r\n");
    EXPECT_EQ(Contents("c.ini.prev"), "gone");
    ExpectNoStagedCopies();
}

TEST_F(FileTransactionTest, AStagedCopyWithTheBytesOfItsFileLeavesTheFileAlone)
{
    Put("a.ini", "[S]\r\nk=old a\r\n");
    Put("b.ini", "[S]\r\nk=old b\r\n");
    {
        CFileTransaction transaction("catalogue");
        Write(transaction.Stage(Path("a.ini")), "old a");
        Write(transaction.Stage(Path("b.ini")), "new b");  // as long as before, other bytes
        transaction.Commit();
    }
    EXPECT_EQ(Contents("a.ini"), "[S]\r\nk=old a\r\n");
    EXPECT_EQ(Contents("a.ini.prev"), "<missing>");  // not replaced by a copy of itself
    EXPECT_EQ(Contents("b.ini"), "[S]\r\nk=new b\r\n");
    ExpectNoStagedCopies();
}

TEST_F(FileTransactionTest, ACopyAtTheCommitTakesItsSourceAsItIsThen)
{
    Put("a.ini", "[S]\r\nk=old a\r\n");
    Put("b.ini", "[S]\r\nk=new a\r\n");  // already what the copy brings
    {
        CFileTransaction transaction("catalogue");
        const std::string staged = transaction.Stage(Path("a.ini"));
        transaction.CopyAtCommit(Path("new.ini"), staged);
        transaction.CopyAtCommit(Path("b.ini"), staged);
        Write(staged, "new a");
        transaction.Commit();
    }
    EXPECT_EQ(Contents("new.ini"), "[S]\r\nk=new a\r\n");
    EXPECT_EQ(Contents("b.ini"), "[S]\r\nk=new a\r\n");
    EXPECT_EQ(Contents("b.ini.prev"), "<missing>");
    ExpectNoStagedCopies();
}

TEST_F(FileTransactionTest, AnUncommittedTransactionChangesNothing)
{
    Put("a.ini", "[S]\r\nk=old a\r\n");
    Put("b.ini", "profile");
    {
        CFileTransaction transaction("catalogue");
        Write(transaction.Stage(Path("a.ini")), "new a");
        Write(transaction.StageCopyOf(Path("new.ini"), Path("a.ini")), "copied");
        // Files others write in place are put back: an old one as it was, a new one removed.
        transaction.Protect(Path("b.ini"));
        transaction.Protect(Path("c.ini"));
        Put("b.ini", "rewritten");
        Put("c.ini", "made");
    }
    EXPECT_EQ(Contents("a.ini"), "[S]\r\nk=old a\r\n");
    EXPECT_EQ(Contents("b.ini"), "profile");
    EXPECT_EQ(Contents("c.ini"), "<missing>");
    EXPECT_EQ(Contents("new.ini"), "<missing>");
    ExpectNoStagedCopies();
}

TEST_F(FileTransactionTest, AChangeThatCannotBeMadePutsTheEarlierOnesBack)
{
    Put("a.ini", "[S]\r\nk=old a\r\n");
    ASSERT_TRUE(CreateDirectoryA(Path("b.ini").c_str(), nullptr));  // no file can replace a folder
    CFileTransaction transaction("catalogue");
    Write(transaction.Stage(Path("a.ini")), "new a");
    transaction.Protect(Path("c.ini"));
    Put("c.ini", "made");
    Write(transaction.Stage(Path("b.ini")), "new b");
    EXPECT_EQ(ThrownId([&] { transaction.Commit(); }), IDS_ERR_SETTING_NOT_STORED);
    EXPECT_EQ(Contents("a.ini"), "[S]\r\nk=old a\r\n");
    EXPECT_EQ(Contents("c.ini"), "<missing>");
    ExpectNoStagedCopies();

    // A copy of a file that is not there is refused before anything is staged.
    CFileTransaction other("catalogue");
    EXPECT_EQ(ThrownId([&] { other.StageCopyOf(Path("a.ini"), Path("absent.ini")); }), IDS_ERR_FILE_ACCESS);
    EXPECT_EQ(ThrownId([&] { other.CopyAtCommit(Path("a.ini"), Path("absent.ini")); }), IDS_ERR_FILE_ACCESS);
}

TEST_F(FileTransactionTest, StagedCopiesLeftByAnEarlierRunAreNoPartOfThisOne)
{
    Put("a.ini", "[S]\r\nk=old a\r\n");
    // What a run that died before its commit left beside the files.
    Put("a.ini.stage", "[S]\r\nk=stale\r\nx=left\r\n");
    Put("new.ini.stage", "[S]\r\nk=stale\r\nx=left\r\n");
    Put("b.ini.stage", "stale");
    {
        CFileTransaction transaction("catalogue");
        Write(transaction.Stage(Path("a.ini")), "new a");
        Write(transaction.Stage(Path("new.ini"), false), "brand new");
        transaction.Stage(Path("b.ini"), false);  // staged as no file and never written
        transaction.Commit();
    }
    EXPECT_EQ(Contents("a.ini"), "[S]\r\nk=new a\r\n");
    EXPECT_EQ(Contents("new.ini"), "[S]\r\nk=brand new\r\n");
    EXPECT_EQ(Contents("b.ini"), "<missing>");
    ExpectNoStagedCopies();
}

}  // namespace
