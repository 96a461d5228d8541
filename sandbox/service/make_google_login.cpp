// Writes the web sign-in answer: the account sign-in answer with "pwd" holding the demo
// password in the client's reversible encoding, which the client decodes after a web
// sign-in. Made at build time because the encoding is salted anew on every run.
//   sandbox-make-google-login LOGIN_FIXTURE PASSWORD OUT

#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <json/json.h>

#include <cstdio>
#include <fstream>
#include <sstream>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: sandbox-make-google-login LOGIN_FIXTURE PASSWORD OUT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    Json::Value answer;
    if (!JsonRead::parse(text.str(), answer) ||
        !JsonRead::member(JsonRead::member(answer, "ret_data"), "info").isObject()) {
        std::fprintf(stderr, "%s: no ret_data.info object\n", argv[1]);
        return 1;
    }
    answer["ret_data"]["info"]["pwd"] = Encryption::GetInstance()->encode(argv[2]);

    Json::StreamWriterBuilder builder;
    builder["indentation"] = "  ";
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << Json::writeString(builder, answer) << '\n';
    return out.good() ? 0 : 1;
}
