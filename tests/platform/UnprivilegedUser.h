#pragma once
// A piece of a test run as an ordinary user, as the player is: the suite
// runs as root in CI, and root may write where nobody else can. As root the
// body runs in a child process that has become "nobody" (setgid, setuid,
// no supplementary groups); as anyone else it runs right here, since that
// user is unprivileged already.
//
//     const std::string failure = RunUnprivileged([&] {
//         return TryWrite(path) ? "" : "the write failed";
//     });
//     EXPECT_EQ(failure, "");
//
// The body returns an empty text when it passed, else what went wrong. In
// the child it must do file work only: gtest's assertions do not reach the
// parent, and the child ends with _exit, running no destructors. Folders the
// body needs must be reachable by nobody (MakeReachable).
#include <cerrno>
#include <cstring>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace unprivileged {

struct TUser {
    uid_t uid = 65534;
    gid_t gid = 65534;
};

// The user the body runs as when this process is root.
inline TUser Nobody()
{
    TUser user;
    if (const passwd* pw = ::getpwnam("nobody")) {
        user.uid = pw->pw_uid;
        user.gid = pw->pw_gid;
    }
    return user;
}

// True when the body will run as another user than this process's.
inline bool SwitchesUser()
{
    return ::geteuid() == 0;
}

// The user the body runs as.
inline TUser BodyUser()
{
    return SwitchesUser() ? Nobody() : TUser{::geteuid(), ::getegid()};
}

// Opens a folder to everyone (rwx for all, or r-x with writable false), so
// that nobody can get into it. The folders above it must be reachable too:
// the test's temporary folders lie below /tmp.
inline void MakeReachable(const std::string& folder, bool writable = false)
{
    ::chmod(folder.c_str(), writable ? 0777 : 0755);
}

inline std::string RunUnprivileged(const std::function<std::string()>& body)
{
    if (!SwitchesUser())
        return body();
    int channel[2];
    if (::pipe(channel) != 0)
        return std::string("no pipe: ") + std::strerror(errno);
    const TUser user = Nobody();
    const pid_t child = ::fork();
    if (child < 0)
        return std::string("no child process: ") + std::strerror(errno);
    if (child == 0) {
        ::close(channel[0]);
        std::string result;
        if (::setgroups(0, nullptr) != 0 || ::setgid(user.gid) != 0 || ::setuid(user.uid) != 0)
            result = std::string("could not become nobody: ") + std::strerror(errno);
        else if (::geteuid() == 0)
            result = "still root after setuid";
        else
            result = body();
        const char* at = result.data();
        std::size_t left = result.size();
        while (left > 0) {
            const ssize_t n = ::write(channel[1], at, left);
            if (n <= 0)
                break;
            at += n;
            left -= std::size_t(n);
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(channel[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            result.append(buffer, std::size_t(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        return "the unprivileged child did not end normally (signal " + std::to_string(WTERMSIG(status)) + ")";
    return result;
}

} // namespace unprivileged
