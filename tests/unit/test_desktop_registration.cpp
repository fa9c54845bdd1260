// The key store that stands in for the registry, and the desktop's side of a
// file-type association: Exec quoting, the entry and MIME package texts, the
// MIME database's globs, and a real registration in a private data folder.

#include "platform/desktop_registration.h"
#include "platform/errors.h"
#include "platform/key_store.h"
#include "platform/mime_globs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TDesktopFileType SampleType(const QString &program)
{
    return {QStringLiteral("sample"),
            QStringLiteral("Sample"),
            QStringLiteral("Keep samples"),
            {QStringLiteral("specimen"), QStringLiteral("test piece")},
            QStringLiteral("Sample List"),
            QStringLiteral("application/x-sample-list"),
            QStringLiteral("*.smp"),
            program,
            QByteArray("png"),
            {}};
}

// The folders of a registration below root, as the tools see them.
TXdgFolders FoldersIn(const QString &root)
{
    return {root + QStringLiteral("/data"),
            root + QStringLiteral("/config"),
            {root + QStringLiteral("/system")}};
}

// The standard output of a desktop tool run with these folders.
QByteArray RunWith(const TXdgFolders &folders, const QString &tool, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folders.dataHome);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folders.configHome);
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), folders.dataDirs.join(QLatin1Char(':')));
    process.setProcessEnvironment(environment);
    process.start(tool, arguments);
    return process.waitForFinished(20000) ? process.readAllStandardOutput() : QByteArray();
}

} // namespace

TEST(KeyStore, KeysAreFoldersBelowTheRootAndNamesThatWouldLeaveItAreNoKeys)
{
    const TKeyStore store(QStringLiteral("/s/classes"));
    const struct {
        const char *key;
        const char *folder;
    } cases[] = {
        {".ybk", "/s/classes/.ybk/"},
        {"Yearnbox\\Shell\\Open\\Command", "/s/classes/Yearnbox/Shell/Open/Command/"},
        {"", ""},
        {"..", ""},
        {"Yearnbox\\..\\x", ""},
        {"a\\\\b", ""},
        {"a/b", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(store.KeyFolder(QString::fromLatin1(c.key)), QString::fromLatin1(c.folder))
            << c.key;
}

TEST(KeyStore, OpeningWithCreationMakesTheKeyAndItsParentsAndWritesTheDefaultValue)
{
    QTemporaryDir dir;
    TKeyStore store(dir.path() + QStringLiteral("/classes"));
    EXPECT_FALSE(store.KeyExists(QStringLiteral("Yearnbox")));
    EXPECT_THROW(store.OpenKey(QStringLiteral("Yearnbox\\DefaultIcon"), false), EInOutError);
    EXPECT_THROW(store.WriteDefaultString(QStringLiteral("x")), EInOutError) << "no key open";

    store.OpenKey(QStringLiteral("Yearnbox\\DefaultIcon"), true);
    store.WriteDefaultString(QStringLiteral("\"/opt/Ä b/yearnbox\", 0"));
    store.CloseKey();
    EXPECT_TRUE(store.KeyExists(QStringLiteral("Yearnbox")));
    EXPECT_TRUE(store.KeyExists(QStringLiteral("Yearnbox\\DefaultIcon")));
    EXPECT_EQ(ReadFile(dir.path() + QStringLiteral("/classes/Yearnbox/DefaultIcon/@")),
              QStringLiteral("\"/opt/Ä b/yearnbox\", 0").toUtf8());
    EXPECT_THROW(store.WriteDefaultString(QStringLiteral("x")), EInOutError) << "closed";
}

TEST(KeyStore, AStoreThatCannotBeCreatedRaisesOnOpen)
{
    QTemporaryDir dir;
    QFile blocker(dir.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    TKeyStore store(blocker.fileName() + QStringLiteral("/classes"));
    EXPECT_THROW(store.OpenKey(QStringLiteral(".ybk"), true), EInOutError);
    EXPECT_FALSE(store.KeyExists(QStringLiteral(".ybk")));
}

TEST(DesktopEntry, ExecArgumentsAreQuotedOnlyForReservedCharactersAndPercentIsDoubled)
{
    const struct {
        const char *argument;
        const char *written;
    } cases[] = {
        {"/opt/yearnbox/yearnbox", "/opt/yearnbox/yearnbox"},
        {"yearnbox", "yearnbox"},
        {"/opt/a,b=c/Äpfel", "/opt/a,b=c/Äpfel"},
        {"/100%/x", "/100%%/x"},
        {"/home/my apps/yearnbox", R"("/home/my apps/yearnbox")"},
        {"/a$b/`c`/\"d\"", R"("/a\\$b/\\`c\\`/\\"d\\"")"},
        {"/a\\b", R"("/a\\\\b")"},
        {"/100% sure/x", R"("/100%% sure/x")"},
        {"/a'b>c;d", R"("/a'b>c;d")"},
        {"~/x", R"("~/x")"},
        {"/a(1)", "\"/a(1)\""},
        {"", R"("")"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DesktopExecArgument(QString::fromUtf8(c.argument)), QString::fromUtf8(c.written))
            << c.argument;
}

TEST(DesktopEntry, TheEntryAndThePackageNameTheProgramTheTypeTheGlobAndTheIcon)
{
    const struct {
        const char *program;
        const char *exec;
    } cases[] = {
        {"yearnbox", "Exec=yearnbox %f\n"},
        {"/opt/my apps/s", "Exec=\"/opt/my apps/s\" %f\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DesktopEntryText(SampleType(QString::fromUtf8(c.program))),
                  QByteArray("[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Sample\n"
                             "Comment=Keep samples\n"
                             "Keywords=specimen;test piece;\n") +
                      c.exec +
                      "Icon=sample\n"
                      "MimeType=application/x-sample-list;\n"
                      "Categories=Office;\n"
                      "Terminal=false\n");
    EXPECT_EQ(
        MimePackageText(SampleType(QStringLiteral("s"))),
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                   "  <mime-type type=\"application/x-sample-list\">\n"
                   "    <comment>Sample List</comment>\n"
                   "    <icon name=\"sample\"/>\n"
                   "    <glob pattern=\"*.smp\"/>\n"
                   "  </mime-type>\n"
                   "</mime-info>\n"));
    // Each translation beside the English text, in the order given.
    TDesktopFileType translated = SampleType(QStringLiteral("s"));
    translated.translations = {{QStringLiteral("de"),
                                QStringLiteral("Proben führen"),
                                {QStringLiteral("Probe")},
                                QStringLiteral("Probenliste")},
                               {QStringLiteral("fr"),
                                QStringLiteral("Des échantillons"),
                                {QStringLiteral("a"), QStringLiteral("b")},
                                QStringLiteral("Liste & co")}};
    const QByteArray entry = DesktopEntryText(translated);
    EXPECT_TRUE(entry.contains("Comment=Keep samples\nComment[de]=Proben f\xc3\xbchren\n"
                               "Comment[fr]=Des \xc3\xa9"
                               "chantillons\nKeywords=specimen;test piece;\n"
                               "Keywords[de]=Probe;\nKeywords[fr]=a;b;\nExec="))
        << entry.constData();
    const QByteArray package = MimePackageText(translated);
    EXPECT_TRUE(package.contains("<comment>Sample List</comment>\n"
                                 "    <comment xml:lang=\"de\">Probenliste</comment>\n"
                                 "    <comment xml:lang=\"fr\">Liste &amp; co</comment>\n"
                                 "    <icon"))
        << package.constData();
}

TEST(MimeGlobs, AGlobIsFoundInEitherFormWithoutRegardToCase)
{
    const struct {
        const char *file;
        bool has;
    } cases[] = {
        {"# comment *.ybk\n50:application/x-other:*.ybk\n", true},
        {"50:application/x-other:*.YBK:cs\n", true},
        {"application/x-other:*.ybk\n", true},
        {"50:application/x-other:*.ybkx\n50:text/plain:*.txt\n", false},
        {"", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GlobsListHas(QByteArray(c.file), QStringLiteral("*.ybk")), c.has) << c.file;
}

TEST(DesktopRegistration, RegisteringWritesTheFilesAndTheDatabaseThenKnowsTheGlob)
{
    QTemporaryDir dir;
    const TXdgFolders folders = FoldersIn(dir.path());
    TDesktopRegistration desktop(folders);
    EXPECT_FALSE(desktop.KnowsGlob(QStringLiteral("*.smp")));

    desktop.Register(SampleType(QStringLiteral("/opt/s")));
    const QString data = folders.dataHome;
    EXPECT_EQ(ReadFile(data + QStringLiteral("/icons/hicolor/64x64/apps/sample.png")), "png");
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("/mime/packages/sample.xml")));
    EXPECT_TRUE(ReadFile(data + QStringLiteral("/applications/sample.desktop"))
                    .contains("\nExec=/opt/s %f\n"));
    EXPECT_FALSE(QFileInfo::exists(data + QStringLiteral("/sample/launcher")))
        << "no link without a '%'";

    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
        GTEST_SKIP() << "update-mime-database or xdg-mime is not installed";
    EXPECT_TRUE(desktop.KnowsGlob(QStringLiteral("*.smp")));
    EXPECT_FALSE(desktop.KnowsGlob(QStringLiteral("*.ybk")));
    EXPECT_EQ(RunWith(folders, QStringLiteral("xdg-mime"),
                      {QStringLiteral("query"), QStringLiteral("default"),
                       QStringLiteral("application/x-sample-list")})
                  .trimmed(),
              "sample.desktop");
}

TEST(DesktopRegistration, GioKeepsTheEntryWhateverThePathOfTheProgramHolds)
{
    if (QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty())
        GTEST_SKIP() << "gio is not installed";
    const struct {
        const char *folder;
        bool linked;
    } cases[] = {
        {"apps", false},
        {"my apps, old", false},
        {"100% apps", true},
        {"100%%", true},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const TXdgFolders folders = FoldersIn(dir.path());
        const QString program =
            dir.path() + QLatin1Char('/') + QString::fromUtf8(c.folder) + QStringLiteral("/s");
        ASSERT_TRUE(QDir().mkpath(QFileInfo(program).path()));
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

        TDesktopRegistration(folders).Register(SampleType(program));
        const QString link = folders.dataHome + QStringLiteral("/sample/launcher/sample");
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), c.linked ? program : QString()) << c.folder;
        EXPECT_TRUE(RunWith(folders, QStringLiteral("gio"),
                            {QStringLiteral("mime"), QStringLiteral("application/x-sample-list")})
                        .contains("Registered applications:\n\tsample.desktop\n"))
            << c.folder << ": "
            << ReadFile(folders.dataHome + QStringLiteral("/applications/sample.desktop"))
                   .constData();
    }
}
