#include "automation/channel.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "automation/line_splitter.h"
#include "fixture.h"
#include "platform/msg/message_loop.h"
#include "platform/msg/post.h"
#include "platform/msg/window.h"

namespace automation::testing {
namespace {

namespace m = platform::msg;
constexpr int kReadTimeoutMs = 5000;

// A client as a script would be: connect, write lines, read reply lines.
class Client {
public:
    explicit Client(const std::string& path) : fd_(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        connected_ =
            connect(fd_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    bool connected() const { return connected_; }

    bool Send(std::string_view text) {
        while (!text.empty()) {
            const ssize_t sent = send(fd_.get(), text.data(), text.size(), MSG_NOSIGNAL);
            if (sent <= 0) {
                return false;
            }
            text.remove_prefix(static_cast<size_t>(sent));
        }
        return true;
    }
    // The next reply line; empty at end of stream or time-out.
    std::string ReadLine() {
        while (buffer_.find('\n') == std::string::npos) {
            pollfd fd{fd_.get(), POLLIN, 0};
            char chunk[4096];
            if (poll(&fd, 1, kReadTimeoutMs) <= 0) {
                return {};
            }
            const ssize_t got = recv(fd_.get(), chunk, sizeof chunk, 0);
            if (got <= 0) {
                return {};
            }
            buffer_.append(chunk, static_cast<size_t>(got));
        }
        const size_t end = buffer_.find('\n');
        std::string line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        return line;
    }

private:
    UniqueFd fd_;
    bool connected_ = false;
    std::string buffer_;
};

class ChannelTest : public AutomationTest {
protected:
    ChannelTest() {
        folder_ = skinDir_ + "/run";
        mkdir(folder_.c_str(), 0700);
        path_ = folder_ + "/automation.sock";
    }

    std::unique_ptr<AutomationChannel> Start(std::string& error) {
        return StartAutomationChannel(path_, Context(), error);
    }

    // Runs `client` on its own thread while this thread serves the UI loop.
    void WithClient(const std::function<void()>& client) {
        std::atomic<bool> done = false;
        const m::ThreadId ui = m::GetCurrentThreadId();
        std::thread worker([&] {
            client();
            done = true;
            m::PostTask(ui, [] {});
        });
        RunUntil([&] { return done.load(); });
        worker.join();
    }

    std::string folder_;
    std::string path_;
};

TEST_F(ChannelTest, AnswersEveryLineInOrderAndSurvivesBadOnes) {
    std::string error;
    auto channel = Start(error);
    ASSERT_NE(channel, nullptr) << error;
    struct stat info {};
    ASSERT_EQ(stat(path_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    std::vector<std::string> replies;
    WithClient([&] {
        Client client(path_);
        ASSERT_TRUE(client.connected());
        // All at once, as a pipelining client would send them.
        client.Send(std::string("{\"op\":\"click\",\n") + R"({"op":"get","name":"btn","id":1})" +
                    "\n" + std::string(kMaxLineBytes + 10, 'x') + "\n" +
                    R"({"op":"click","name":"nope"})" + "\n\n" +
                    R"({"op":"click","name":"btn","id":2})" + "\n");
        for (int i = 0; i < 5; ++i) {
            replies.push_back(client.ReadLine());
        }
    });
    ASSERT_EQ(replies.size(), 5u);
    EXPECT_NE(replies[0].find(R"("ok":false,"error":"malformed JSON at byte)"), std::string::npos)
        << replies[0];
    EXPECT_EQ(replies[1].rfind(R"({"ok":true,"id":1,"state":{"exists":true)", 0), 0u) << replies[1];
    EXPECT_NE(replies[2].find("longer than"), std::string::npos) << replies[2];
    EXPECT_NE(replies[3].find("no control named \\\"nope\\\""), std::string::npos) << replies[3];
    EXPECT_EQ(replies[4], R"({"ok":true,"id":2})");
    EXPECT_EQ(window_.received.back(), "click:btn");

    // The first client is gone; a new one is served as before.
    std::string again;
    WithClient([&] {
        Client client(path_);
        client.Send(R"({"op":"ping"})"
                    "\n");
        again = client.ReadLine();
    });
    EXPECT_EQ(again, R"({"ok":true})");

    channel.reset();
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(ChannelTest, ActionThatOpensAModalWindowIsAnsweredSoTheWindowCanBeDriven) {
    std::string error;
    auto channel = Start(error);
    ASSERT_NE(channel, nullptr) << error;
    const m::HWND dialog = m::CreateWindow(&m::DefWindowProc);
    std::optional<m::LRESULT> dialogResult;
    window_.onNotify = [&](const toolkit::TNotifyUI& msg) {
        if (msg.type == "click" && msg.sender->GetName() == "btn") {
            dialogResult = m::RunModalLoop(dialog).result;
        } else if (msg.type == "click" && msg.sender->GetName() == "chk") {
            m::EndModal(dialog, 7);
        }
    };

    std::vector<std::string> replies;
    WithClient([&] {
        Client client(path_);
        for (const char* line : {R"({"op":"click","name":"btn","id":1})",
                                 R"({"op":"click","name":"chk","id":2})", R"({"op":"ping"})"}) {
            client.Send(std::string(line) + "\n");
            replies.push_back(client.ReadLine());
        }
    });
    EXPECT_EQ(replies, (std::vector<std::string>{R"({"ok":true,"id":1,"modal":true})",
                                                 R"({"ok":true,"id":2})", R"({"ok":true})"}));
    EXPECT_EQ(dialogResult, 7);
    m::DestroyWindow(dialog);
}

TEST_F(ChannelTest, ClientDroppedWhileItsWaitRunsIsForgotten) {
    std::string error;
    auto channel = Start(error);
    ASSERT_NE(channel, nullptr) << error;
    WithClient([&] {
        Client client(path_);
        client.Send(R"({"op":"wait","ms":100})"
                    "\n");
    });  // gone before its reply
    std::string reply;
    WithClient([&] {
        Client client(path_);
        client.Send(R"({"op":"ping","id":"after"})"
                    "\n");
        reply = client.ReadLine();
    });
    EXPECT_EQ(reply, R"({"ok":true,"id":"after"})");
}

TEST_F(ChannelTest, RefusesPathsOthersCouldTamperWith) {
    std::string error;
    chmod(folder_.c_str(), 0770);
    EXPECT_EQ(Start(error), nullptr);
    EXPECT_NE(error.find("writable by other users"), std::string::npos) << error;

    chmod(folder_.c_str(), 0755);  // readable by others is fine: the socket itself is 0600
    std::ofstream(path_) << "not a socket";
    EXPECT_EQ(Start(error), nullptr);
    EXPECT_NE(error.find("is not a socket"), std::string::npos) << error;
    std::filesystem::remove(path_);

    auto first = Start(error);
    ASSERT_NE(first, nullptr) << error;
    EXPECT_EQ(Start(error), nullptr);
    EXPECT_NE(error.find("already listens"), std::string::npos) << error;

    const std::string longPath = folder_ + "/" + std::string(200, 's');
    EXPECT_EQ(StartAutomationChannel(longPath, Context(), error), nullptr);
    EXPECT_NE(error.find("too long"), std::string::npos) << error;
}

TEST_F(ChannelTest, StaleSocketOfAnEarlierRunIsReplaced) {
    std::string error;
    {
        UniqueFd stale(socket(AF_UNIX, SOCK_STREAM, 0));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path_.c_str(), sizeof address.sun_path - 1);
        ASSERT_EQ(bind(stale.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address),
                  0);
    }  // closed without removing its file, as after a crash
    EXPECT_NE(Start(error), nullptr) << error;
}

TEST_F(ChannelTest, ConnectionFromAnotherUserIsRefused) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to connect as another user";
    }
    std::string error;
    auto channel = Start(error);
    ASSERT_NE(channel, nullptr) << error;
    // Open the way on purpose, so that only the peer check stands between the stranger and us.
    chmod(folder_.c_str(), 0755);
    chmod(skinDir_.c_str(), 0755);
    chmod(path_.c_str(), 0666);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        Client stranger(path_);
        if (!stranger.connected()) {
            _exit(3);
        }
        stranger.Send(R"({"op":"ping"})"
                      "\n");
        const std::string refusal = stranger.ReadLine();
        const bool refused = refusal.find("serves only its own user") != std::string::npos;
        _exit(refused && stranger.ReadLine().empty() ? 0 : 4);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace automation::testing
