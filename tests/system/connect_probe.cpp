// Tries to connect to a local (Unix domain) stream socket, as a client of the program's
// hand-over channel would, and says how that went.
//
// Usage: connect_probe <socket path>
// Exit status: 0 connected, 3 refused for lack of permission (EACCES or EPERM), 1 otherwise.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <socket path>\n", argv[0]);
        return 2;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::strlen(argv[1]) >= sizeof address.sun_path) {
        std::fprintf(stderr, "socket path too long: %s\n", argv[1]);
        return 2;
    }
    std::strcpy(address.sun_path, argv[1]);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        std::perror("socket");
        return 1;
    }
    const int result = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    const int error = errno;
    ::close(fd);
    if (result == 0) {
        std::puts("connected");
        return 0;
    }
    std::printf("refused: %s\n", std::strerror(error));
    return error == EACCES || error == EPERM ? 3 : 1;
}
