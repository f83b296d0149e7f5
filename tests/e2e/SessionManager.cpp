// An X11 desktop's session manager (XSMP over ICE), reduced to what shows how
// a program would come back in a restored session: it listens, registers the
// program that connects, asks it to save itself at once, as a desktop's
// manager does with a new client, and prints the properties the program set.
//
//   session-manager [SECONDS]
//
// Prints, each line flushed as it is written:
//   SESSION_MANAGER=IDS                  once it listens (for the program's environment)
//   NAME<TAB>VALUE[<TAB>VALUE...]        each property, once the program has saved itself
//   saved                                after them
// and ends when the program closes its connection, or after SECONDS (60).
// Only connections from this machine are accepted: the folder-socket ones
// are the only ones it names.

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Properties = std::map<std::string, std::vector<std::string>>;

struct Session {
    Properties properties;
    bool ended = false;
};

Session& TheSession()
{
    static Session session;
    return session;
}

Bool FromThisMachine(char* hostName)
{
    return hostName != nullptr && std::string_view(hostName).starts_with("local/") ? True : False;
}

// A restart hint is one number (CARD8); every other property is text.
std::vector<std::string> ValuesOf(const SmProp& property)
{
    std::vector<std::string> values;
    for (int index = 0; index < property.num_vals; ++index) {
        const SmPropValue& value = property.vals[index];
        const auto* bytes = static_cast<const char*>(value.value);
        if (std::strcmp(property.type, SmCARD8) == 0) {
            values.push_back(value.length > 0 ? std::to_string(static_cast<unsigned char>(bytes[0])) : "");
        } else {
            values.emplace_back(bytes, static_cast<std::size_t>(value.length));
        }
    }
    return values;
}

void PrintProperties()
{
    for (const auto& [name, values] : TheSession().properties) {
        std::cout << name;
        for (const std::string& value : values) {
            std::cout << '\t' << value;
        }
        std::cout << '\n';
    }
    std::cout << "saved" << std::endl;
}

Status RegisterClient(SmsConn connection, SmPointer, char*)
{
    char* id = SmsGenerateClientID(connection);
    if (id == nullptr) {
        return 0;
    }
    const Status registered = SmsRegisterClientReply(connection, id);
    std::free(id);
    // What a desktop's manager does for a client new to the session: the
    // program saves itself, so the session knows how to bring it back.
    SmsSaveYourself(connection, SmSaveLocal, False, SmInteractStyleNone, False);
    return registered;
}

void SetProperties(SmsConn, SmPointer, int count, SmProp** properties)
{
    for (int index = 0; index < count; ++index) {
        TheSession().properties[properties[index]->name] = ValuesOf(*properties[index]);
        SmFreeProperty(properties[index]);
    }
    std::free(properties);
}

void SaveYourselfDone(SmsConn, SmPointer, Bool)
{
    PrintProperties();
}

void CloseConnection(SmsConn connection, SmPointer, int count, char** reasons)
{
    SmFreeReasons(count, reasons);
    SmsCleanUp(connection);
    TheSession().ended = true;
}

void Ignore(SmsConn, SmPointer, int) {}
void IgnoreDone(SmsConn, SmPointer, Bool) {}
void IgnoreRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void IgnorePhase2(SmsConn, SmPointer) {}
void IgnoreDelete(SmsConn, SmPointer, int count, char** names)
{
    SmFreeReasons(count, names);
}
void AnswerNothing(SmsConn connection, SmPointer)
{
    SmsReturnProperties(connection, 0, nullptr);
}

Status NewClient(SmsConn, SmPointer, unsigned long* mask, SmsCallbacks* callbacks, char**)
{
    *callbacks = SmsCallbacks{};
    callbacks->register_client.callback = &RegisterClient;
    callbacks->interact_request.callback = &Ignore;
    callbacks->interact_done.callback = &IgnoreDone;
    callbacks->save_yourself_request.callback = &IgnoreRequest;
    callbacks->save_yourself_phase2_request.callback = &IgnorePhase2;
    callbacks->save_yourself_done.callback = &SaveYourselfDone;
    callbacks->close_connection.callback = &CloseConnection;
    callbacks->set_properties.callback = &SetProperties;
    callbacks->delete_properties.callback = &IgnoreDelete;
    callbacks->get_properties.callback = &AnswerNothing;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask |
            SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
            SmsGetPropertiesProcMask;
    return 1;
}

// A program that goes away without a word ends the session too; ICE's own
// handler would end this process at once instead.
void ConnectionLost(IceConn)
{
    TheSession().ended = true;
}

} // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    char error[256] = "";
    IceSetIOErrorHandler(&ConnectionLost);
    if (SmsInitialize("karvelio-tests", "1", &NewClient, nullptr, &FromThisMachine, sizeof error, error) == 0) {
        std::cerr << "session-manager: cannot start XSMP: " << error << std::endl;
        return 1;
    }
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (IceListenForConnections(&count, &listeners, sizeof error, error) == 0) {
        std::cerr << "session-manager: cannot listen: " << error << std::endl;
        return 1;
    }
    std::vector<IceListenObj> local;
    for (int index = 0; index < count; ++index) {
        IceSetHostBasedAuthProc(listeners[index], &FromThisMachine);
        char* id = IceGetListenConnectionString(listeners[index]);
        if (id != nullptr && std::string_view(id).starts_with("local/")) {
            local.push_back(listeners[index]);
        }
        std::free(id);
    }
    if (local.empty()) {
        std::cerr << "session-manager: no local socket to listen on" << std::endl;
        return 1;
    }
    char* ids = IceComposeNetworkIdList(static_cast<int>(local.size()), local.data());
    std::cout << "SESSION_MANAGER=" << ids << std::endl;
    std::free(ids);

    std::vector<IceConn> connections;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!TheSession().ended && std::chrono::steady_clock::now() < deadline) {
        std::vector<pollfd> watched;
        for (IceListenObj listener : local) {
            watched.push_back({IceGetListenConnectionNumber(listener), POLLIN, 0});
        }
        for (IceConn connection : connections) {
            watched.push_back({IceConnectionNumber(connection), POLLIN, 0});
        }
        if (poll(watched.data(), watched.size(), 100) <= 0) {
            continue;
        }
        for (std::size_t index = 0; index < connections.size() && !TheSession().ended; ++index) {
            if ((watched[local.size() + index].revents & (POLLIN | POLLHUP | POLLERR)) != 0 &&
                IceProcessMessages(connections[index], nullptr, nullptr) != IceProcessMessagesSuccess) {
                TheSession().ended = true;
            }
        }
        for (std::size_t index = 0; index < local.size(); ++index) {
            IceAcceptStatus status;
            if ((watched[index].revents & POLLIN) != 0) {
                if (IceConn connection = IceAcceptConnection(local[index], &status); connection != nullptr) {
                    connections.push_back(connection);
                }
            }
        }
    }
    IceFreeListenObjs(count, listeners);
    return 0;
}
