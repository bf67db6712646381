// Builds the template database: the schema, the seed data and the version
// record, in one transaction, into a fresh file.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

bool readFile(const char *path, std::string &out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    out = s.str();
    return true;
}

bool run(sqlite3 *db, const std::string &sql, const char *what)
{
    char *error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "mkdb: %s: %s\n", what, error ? error : "?");
    sqlite3_free(error);
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: mkdb OUTPUT VERSION SCRIPT.sql...\n");
        return 2;
    }
    const std::string output = argv[1];
    const std::string version = argv[2];
    std::remove(output.c_str());
    sqlite3 *db = nullptr;
    if (sqlite3_open(output.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "mkdb: cannot create %s\n", output.c_str());
        return 1;
    }
    bool ok = run(db, "PRAGMA page_size=4096; BEGIN", "begin");
    for (int i = 3; ok && i < argc; ++i) {
        std::string sql;
        ok = readFile(argv[i], sql) && run(db, sql, argv[i]);
    }
    ok = ok && run(db, "INSERT INTO OBJECT_VAL_STR (ID_CLASS, ID_ATTRIBUTE, USERID, VALUE) VALUES (-99, -99, -99, '" + version + "')", "version")
         && run(db, "COMMIT", "commit") && run(db, "VACUUM", "vacuum");
    sqlite3_close(db);
    if (!ok)
        std::remove(output.c_str());
    return ok ? 0 : 1;
}
