#include "project/UploadRun.h"

#include "FtpTestServer.h"
#include "SshTestServer.h"
#include "TempDir.h"
#include "project/CurlFtpConnection.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

using Field = UploadEvent::Field;
using Lines = std::vector<std::string>;

// A binary page: NUL, CR LF, bytes that are not UTF-8.
std::string binaryBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + 7) % 256);
    }
    return bytes.append("\r\n\0\r", 4);
}

// A site on disk and a project over it; files are added with their bytes.
class Site {
public:
    // The project folder is a sub-folder, so that "../" stays in the test's own.
    Site() { project_.Path = dir_.path("site/site.prj"); }

    Site& file(const std::string& relPath, const std::string& bytes, bool upload = true) {
        dir_.write("site/" + relPath, bytes);
        return entry(relPath, upload);
    }
    Site& entry(const std::string& relPath, bool upload = true) {
        CProjectEntry entry;
        entry.RelPath = relPath;
        entry.Upload = upload;
        project_.Files.push_back(entry);
        return *this;
    }
    CProject& project() { return project_; }
    const TempDir& dir() const { return dir_; }
    bool updated(const std::string& relPath) const {
        return UploadState::Load(UploadState::PathFor(project_.Path))
            .isFileUpdated(relPath, dir_.path("site/" + relPath));
    }

private:
    TempDir dir_;
    CProject project_;
};

struct Recording {
    std::vector<UploadEvent> events;

    Lines of(Field field) const {
        Lines lines;
        for (const UploadEvent& event : events) {
            if (event.field == field) {
                lines.push_back(event.text);
            }
        }
        return lines;
    }
    std::vector<int> percents() const {
        std::vector<int> values;
        for (const UploadEvent& event : events) {
            if (event.field == Field::Progress) {
                values.push_back(event.percent);
            }
        }
        return values;
    }
    std::string detailOf(const std::string& status) const {
        for (const UploadEvent& event : events) {
            if (event.field == Field::Status && event.text == status) {
                return event.detail;
            }
        }
        return "(no such status)";
    }
};

Recording upload(CProject& project, CurlFtpConnection& connection,
                 const std::function<bool(const UploadEvent&)>& cancelWhen = {}) {
    Recording recording;
    std::atomic<bool> cancel = false;
    connection.setCancelFlag(&cancel);
    UploadRun run(
        MakeUploadJob(project), connection,
        [&](const UploadEvent& event) {
            recording.events.push_back(event);
            if (cancelWhen && cancelWhen(event)) {
                cancel = true;
            }
        },
        cancel);
    run.run();
    return recording;
}

Recording upload(CProject& project, FtpTrust trust = {}, FtpTimeouts timeouts = {}) {
    CurlFtpConnection connection(std::move(trust), timeouts);
    return upload(project, connection);
}

void pointAt(CProject& project, const std::string& server, const std::string& serverPath,
             const std::string& login = "web") {
    project.FtpServer = server;
    project.ServerPath = serverPath;
    project.Login = login;
    project.Password = login;
    project.AutoUpdate = true;
}

FtpTrust trusting(const std::string& certificate) {
    FtpTrust trust;
    trust.caInfo = certificate;
    return trust;
}

FtpTrust sshTrust(const std::string& knownHosts, const std::string& key) {
    FtpTrust trust;
    trust.knownHosts = knownHosts;
    trust.privateKey = key;
    return trust;
}

long commandsNamed(const Lines& commands, const std::string& name) {
    return std::count_if(commands.begin(), commands.end(),
                         [&](const std::string& line) { return line.rfind(name, 0) == 0; });
}

#define START_FTP(server, ...)                                                                     \
    FtpTestServer server{__VA_ARGS__};                                                             \
    ASSERT_TRUE(server.started()) << "the FTP test server did not start: " << server.errors()

TEST(Upload, FilesInTwoSubDirectoriesArriveByteForByteOverOneConnection) {
    START_FTP(server);
    Site site;
    const std::string page = binaryBytes(3000);
    const std::string picture = binaryBytes(20000);
    site.file("index.html", "<HTML>\r\n</HTML>\r\n")
        .file("pics/a b ä.gif", picture)
        .file("pics/logo.png", page)
        .file("docs/guide.html", "guide")
        .file("skipped.html", "not chosen", false);
    pointAt(site.project(), server.address(), "www/site");

    const Recording recording = upload(site.project());

    EXPECT_EQ(recording.of(Field::Status),
              (Lines{"Connecting", "Connected", "Directory set, uploading files",
                     "Successfully uploaded index.html", "Successfully uploaded pics/a b ä.gif",
                     "Successfully uploaded pics/logo.png", "Successfully uploaded docs/guide.html",
                     "Disconnected"}));
    EXPECT_EQ(recording.of(Field::FileCount),
              (Lines{"", "File 1 of 4", "File 2 of 4", "File 3 of 4", "File 4 of 4"}));
    const Lines uploading = recording.of(Field::NowUploading);
    ASSERT_EQ(uploading.size(), 5u);
    EXPECT_EQ(uploading[2], "Uploading pics/a b ä.gif (20004 bytes)");
    const std::vector<int> percents = recording.percents();
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.back(), 100);

    EXPECT_EQ(server.remote("www/site/index.html"), "<HTML>\r\n</HTML>\r\n");
    EXPECT_EQ(server.remote("www/site/pics/a b ä.gif"), picture);
    EXPECT_EQ(server.remote("www/site/pics/logo.png"), page);
    EXPECT_EQ(server.remote("www/site/docs/guide.html"), "guide");
    EXPECT_FALSE(std::filesystem::exists(server.root() / "www/site/skipped.html"));

    // One login, the server path made level by level, every sub-directory
    // entered once per file and left with one climb.
    const Lines commands = server.commands();
    EXPECT_EQ(commandsNamed(commands, "USER"), 1);
    EXPECT_EQ(commandsNamed(commands, "STOR"), 4);
    const Lines expectedWalk = {"CWD www/site", "MKD www",  "MKD www/site", "CWD www/site",
                                "CWD pics",     "MKD pics", "CWD pics",     "CWD ../",
                                "CWD pics",     "CWD ../",  "CWD docs",     "MKD docs",
                                "CWD docs"};
    Lines walk;
    std::copy_if(commands.begin(), commands.end(), std::back_inserter(walk),
                 [](const std::string& line) {
                     return line.rfind("CWD", 0) == 0 || line.rfind("MKD", 0) == 0;
                 });
    EXPECT_EQ(walk, expectedWalk);
    EXPECT_EQ(commands.back(), "QUIT");

    EXPECT_FALSE(site.updated("index.html"));
    EXPECT_FALSE(site.updated("pics/a b ä.gif"));
    EXPECT_TRUE(site.updated("skipped.html"));
}

TEST(Upload, ARefusedActiveConnectionSwitchesTheSessionToPassive) {
    START_FTP(server, FtpTestServer::RefuseActive);
    Site site;
    site.file("a.html", "first").file("sub/b.html", "second");
    pointAt(site.project(), server.address(), "");

    const Recording recording = upload(site.project());

    EXPECT_EQ(recording.of(Field::Note),
              (Lines{"Active mode refused by the server or the network, using passive mode"}));
    EXPECT_EQ(server.remote("a.html"), "first");
    EXPECT_EQ(server.remote("sub/b.html"), "second");
    const Lines commands = server.commands();
    // Active is tried once; the second file goes passive at once.
    EXPECT_EQ(commandsNamed(commands, "EPRT") + commandsNamed(commands, "PORT"), 2);
    EXPECT_EQ(commandsNamed(commands, "EPSV") + commandsNamed(commands, "PASV"), 2);
    EXPECT_EQ(commandsNamed(commands, "USER"), 1);
}

TEST(Upload, FilesTheServerRefusesStayUpdatedAndAreNotClaimed) {
    START_FTP(server);
    Site site;
    site.file("a.html", "a").file("sub/b.html", "b");
    pointAt(site.project(), server.address(), "", "reader");

    const Recording recording = upload(site.project());

    EXPECT_EQ(recording.of(Field::Status),
              (Lines{"Connecting", "Connected", "Directory set, uploading files",
                     "Failed to upload a.html", "Failed to upload sub/b.html", "Disconnected"}));
    EXPECT_NE(recording.detailOf("Failed to upload a.html").find("550"), std::string::npos);
    EXPECT_TRUE(site.updated("a.html"));
    EXPECT_TRUE(site.updated("sub/b.html"));
    EXPECT_TRUE(std::filesystem::is_empty(server.root()));
}

TEST(Upload, MissingFilesAndPathsOutsideTheProjectFailAloneAndWriteNothingAbove) {
    START_FTP(server);
    Site site;
    site.entry("gone.html").entry("../outside.html").file("kept.html", "kept");
    site.dir().write("outside.html", "must not travel");
    pointAt(site.project(), server.address(), "www");

    const Recording recording = upload(site.project());

    EXPECT_EQ(recording.of(Field::Status),
              (Lines{"Connecting", "Connected", "Directory set, uploading files",
                     "Failed to upload gone.html", "Failed to upload ../outside.html",
                     "Successfully uploaded kept.html", "Disconnected"}));
    const Lines uploading = recording.of(Field::NowUploading);
    ASSERT_EQ(uploading.size(), 4u);
    EXPECT_EQ(uploading[1], "Uploading gone.html (0 bytes)");
    EXPECT_EQ(server.remote("www/kept.html"), "kept");
    EXPECT_FALSE(std::filesystem::exists(server.root() / "outside.html"));
    EXPECT_EQ(recording.percents(), std::vector<int>({0, 78, 100}));
}

TEST(Upload, AnEmptyListConnectsSetsTheDirectoryAndDisconnects) {
    START_FTP(server);
    Site site;
    site.file("a.html", "a", false);
    pointAt(site.project(), server.address(), "www");

    const Recording recording = upload(site.project());

    EXPECT_EQ(recording.of(Field::Status),
              (Lines{"Connecting", "Connected", "Directory set, uploading files", "Disconnected"}));
    EXPECT_TRUE(std::filesystem::is_directory(server.root() / "www"));
}

struct ConnectFailure {
    const char* name;
    bool badPassword;
    bool serverDown;
    const char* detailPart;
};

class UploadConnectFailure : public ::testing::TestWithParam<ConnectFailure> {};

TEST_P(UploadConnectFailure, EndsWithFailedToConnectAndItsReason) {
    START_FTP(server);
    Site site;
    site.file("a.html", "a");
    pointAt(site.project(), server.address(), "");
    if (GetParam().badPassword) {
        site.project().Password = "wrong";
    }
    if (GetParam().serverDown) {
        site.project().FtpServer = "127.0.0.1:1";
    }

    const Recording recording = upload(site.project());

    EXPECT_EQ(recording.of(Field::Status), (Lines{"Connecting", "Failed to connect"}));
    EXPECT_NE(recording.detailOf("Failed to connect").find(GetParam().detailPart),
              std::string::npos)
        << recording.detailOf("Failed to connect");
    EXPECT_EQ(recording.events.back().field, Field::Finished);
    EXPECT_TRUE(site.updated("a.html"));
}

INSTANTIATE_TEST_SUITE_P(Servers, UploadConnectFailure,
                         ::testing::Values(ConnectFailure{"BadLogin", true, false, "530"},
                                           ConnectFailure{"ServerDown", false, true, "onnect"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Upload, ADropInTheMiddleOfAFileFailsItAndTheNextFileGoesOnANewSession) {
    START_FTP(server, FtpTestServer::Plain, 200000);
    Site site;
    site.file("big.bin", binaryBytes(2000000)).file("sub/small.html", "small");
    pointAt(site.project(), server.address(), "www");

    const Recording recording = upload(site.project());

    EXPECT_EQ(recording.of(Field::Status),
              (Lines{"Connecting", "Connected", "Directory set, uploading files",
                     "Failed to upload big.bin", "Connecting", "Connected",
                     "Directory set, uploading files", "Successfully uploaded sub/small.html",
                     "Disconnected"}));
    EXPECT_TRUE(site.updated("big.bin"));
    EXPECT_FALSE(site.updated("sub/small.html"));
    EXPECT_EQ(server.remote("www/sub/small.html"), "small");
}

TEST(Upload, AServerThatStopsAnsweringTimesOut) {
    START_FTP(server, FtpTestServer::StallStor);
    Site site;
    site.file("a.html", "a");
    pointAt(site.project(), server.address(), "");

    const auto start = std::chrono::steady_clock::now();
    const Recording recording = upload(
        site.project(), {}, FtpTimeouts{.connectMs = 2000, .stallMs = 1000, .acceptMs = 1000});
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);

    const Lines statuses = recording.of(Field::Status);
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Failed to upload a.html"),
              statuses.end());
    EXPECT_LT(seconds.count(), 20.0);
    EXPECT_TRUE(site.updated("a.html"));
}

TEST(Upload, CancelStopsTheFileOnItsWayAndTheRestKeepsWhatArrived) {
    START_FTP(server);
    Site site;
    site.file("first.html", "first").file("big.bin", binaryBytes(8000000)).file("last.html", "l");
    pointAt(site.project(), server.address(), "");
    CurlFtpConnection connection;

    bool bigStarted = false;
    const Recording recording = upload(site.project(), connection, [&](const UploadEvent& event) {
        bigStarted = bigStarted || event.text.rfind("Uploading big.bin", 0) == 0;
        // Cancel once some of the big file is on its way.
        return bigStarted && event.field == Field::Progress && event.percent > 1;
    });

    EXPECT_EQ(recording.of(Field::Status),
              (Lines{"Connecting", "Connected", "Directory set, uploading files",
                     "Successfully uploaded first.html", "Failed to upload big.bin", "Cancelled"}));
    EXPECT_FALSE(site.updated("first.html"));
    EXPECT_TRUE(site.updated("big.bin"));
    EXPECT_TRUE(site.updated("last.html"));
    EXPECT_FALSE(std::filesystem::exists(server.root() / "last.html"));
}

TEST(Upload, AFiftyMegabyteFileStreamsFromDiskWithMovingProgress) {
    START_FTP(server);
    Site site;
    site.file("movie.bin", binaryBytes(50u << 20));
    pointAt(site.project(), server.address(), "");
    rusage before{};
    ::getrusage(RUSAGE_SELF, &before);

    const Recording recording = upload(site.project());

    rusage after{};
    ::getrusage(RUSAGE_SELF, &after);
    EXPECT_EQ(recording.of(Field::Status).back(), "Disconnected");
    ASSERT_GT(recording.percents().size(), 10u);
    EXPECT_EQ(recording.percents().back(), 100);
    EXPECT_EQ(std::filesystem::file_size(server.root() / "movie.bin"), (50u << 20) + 4);
    // The peak may have been set by the test's own copy of the bytes, never
    // by a second whole copy in the transfer.
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 30 * 1024);
}

TEST(Upload, FtpsSendsOverTlsWithATrustedCertificateAndRefusesAnUnknownOne) {
    START_FTP(server, FtpTestServer::Tls);
    Site site;
    site.file("sub/secret.html", "secret");
    pointAt(site.project(), "ftps://" + server.address(), "www");

    const Recording untrusted = upload(site.project());
    EXPECT_EQ(untrusted.of(Field::Status), (Lines{"Connecting", "Failed to connect"}));
    EXPECT_NE(untrusted.detailOf("Failed to connect").find("certificate"), std::string::npos);

    const Recording trusted = upload(site.project(), trusting(server.certificate()));
    EXPECT_EQ(trusted.of(Field::Status).back(), "Disconnected");
    EXPECT_EQ(server.remote("www/sub/secret.html"), "secret");
    const Lines commands = server.commands();
    EXPECT_EQ(commands.front(), "AUTH SSL");
    EXPECT_EQ(commandsNamed(commands, "PROT P"), 1);
}

TEST(Upload, SftpSendsOverSshToAKnownHostOnly) {
    SshTestServer server;
    if (!server.started()) {
        GTEST_SKIP() << "SFTP not tested: " << server.whyNot();
    }
    Site site;
    site.file("index.html", "home").file("a/b c/deep.html", binaryBytes(5000));
    TempDir remote;
    pointAt(site.project(), server.address(), remote.path("www"), server.user());
    site.project().Password.clear();

    TempDir emptyKnownHosts;
    const Recording unknown =
        upload(site.project(),
               sshTrust(emptyKnownHosts.write("known_hosts", "").string(), server.clientKey()));
    EXPECT_EQ(unknown.of(Field::Status), (Lines{"Connecting", "Failed to connect"}));

    const Recording known =
        upload(site.project(), sshTrust(server.knownHosts(), server.clientKey()));
    EXPECT_EQ(known.of(Field::Status),
              (Lines{"Connecting", "Connected", "Directory set, uploading files",
                     "Successfully uploaded index.html", "Successfully uploaded a/b c/deep.html",
                     "Disconnected"}));
    EXPECT_EQ(remote.read("www/index.html"), "home");
    EXPECT_EQ(remote.read("www/a/b c/deep.html"), binaryBytes(5000));
}

} // namespace
