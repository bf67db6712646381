#include "cabinet.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

// Qt's keyword macro clashes with a GIO struct member.
#undef signals
#include <libgcab.h>

namespace cabinet {
namespace {

template<typename T> struct Unref {
    void operator()(T *p) const { g_object_unref(p); }
};
template<typename T> using Ref = std::unique_ptr<T, Unref<T>>;

struct ErrorHolder {
    GError *error = nullptr;
    ~ErrorHolder()
    {
        if (error)
            g_error_free(error);
    }
    QString text() const { return error ? QString::fromUtf8(error->message) : QString(); }
};

[[noreturn]] void fail(const QString &what, const ErrorHolder &e)
{
    const QString detail = e.text();
    throw Error(detail.isEmpty() ? what : what + QStringLiteral(" (") + detail + u')');
}

QByteArray local(const QString &path) { return QFile::encodeName(path); }

// The name an item is written under: no folder part, nothing climbing out.
QString bareName(const char *name)
{
    QString n = QString::fromUtf8(name);
    n = n.mid(qMax(n.lastIndexOf(u'\\'), n.lastIndexOf(u'/')) + 1);
    return n == u"." || n == u".." ? QString() : n;
}

Ref<GCabCabinet> load(const QString &archive, Ref<GInputStream> &stream)
{
    const Ref<GFile> file(g_file_new_for_path(local(archive).constData()));
    ErrorHolder e;
    stream.reset(G_INPUT_STREAM(g_file_read(file.get(), nullptr, &e.error)));
    if (!stream)
        fail(QStringLiteral("Impossible de lire l'archive %1").arg(QDir::toNativeSeparators(archive)), e);
    Ref<GCabCabinet> cab(gcab_cabinet_new());
    if (!gcab_cabinet_load(cab.get(), stream.get(), nullptr, &e.error))
        fail(QStringLiteral("Le fichier %1 n'est pas une archive de sauvegarde lisible").arg(QDir::toNativeSeparators(archive)),
             e);
    return cab;
}

struct ExtractState {
    int index = 0;
    const ItemCallback *onItem = nullptr;
    int only = -1; // extract only this index
    QByteArray onlyName;
};

gboolean extractOne(GCabFile *file, gpointer user)
{
    auto *s = static_cast<ExtractState *>(user);
    const int index = s->index++;
    if (s->only >= 0) {
        if (index != s->only)
            return FALSE;
        gcab_file_set_extract_name(file, s->onlyName.constData());
        return TRUE;
    }
    const QString name = bareName(gcab_file_get_name(file));
    if (name.isEmpty())
        return FALSE;
    if (s->onItem && *s->onItem)
        (*s->onItem)(index, name);
    gcab_file_set_extract_name(file, name.toUtf8().constData());
    return TRUE;
}

void extract(const QString &archive, const QString &folder, ExtractState &state)
{
    Ref<GInputStream> stream;
    const Ref<GCabCabinet> cab = load(archive, stream);
    const Ref<GFile> dir(g_file_new_for_path(local(folder).constData()));
    ErrorHolder e;
    if (!gcab_cabinet_extract_simple(cab.get(), dir.get(), extractOne, &state, nullptr, &e.error))
        fail(QStringLiteral("L'extraction de l'archive %1 a échoué").arg(QDir::toNativeSeparators(archive)), e);
}

struct WriteState {
    int index = 0;
    const ItemCallback *onItem = nullptr;
};

gboolean writeOne(GCabFile *file, gpointer user)
{
    auto *s = static_cast<WriteState *>(user);
    if (s->onItem && *s->onItem)
        (*s->onItem)(s->index, QString::fromUtf8(gcab_file_get_name(file)));
    ++s->index;
    return TRUE;
}

} // namespace

void write(const QString &archive, const QList<Item> &items, const ItemCallback &onItem)
{
    const QString shown = QDir::toNativeSeparators(archive);
    Ref<GCabCabinet> cab(gcab_cabinet_new());
    GCabFolder *folder = gcab_folder_new(GCAB_COMPRESSION_MSZIP); // floating-free: the cabinet takes a ref
    ErrorHolder e;
    for (const Item &item : items) {
        const Ref<GFile> source(g_file_new_for_path(local(item.file).constData()));
        const Ref<GCabFile> entry(gcab_file_new_with_file(item.name.toUtf8().constData(), source.get()));
        if (!gcab_folder_add_file(folder, entry.get(), FALSE, nullptr, &e.error)) {
            g_object_unref(folder);
            fail(QStringLiteral("Impossible d'ajouter %1 à l'archive %2").arg(item.name, shown), e);
        }
    }
    const bool added = gcab_cabinet_add_folder(cab.get(), folder, &e.error);
    g_object_unref(folder);
    if (!added)
        fail(QStringLiteral("Impossible de préparer l'archive %1").arg(shown), e);

    const Ref<GFile> target(g_file_new_for_path(local(archive).constData()));
    const Ref<GOutputStream> out(
        G_OUTPUT_STREAM(g_file_replace(target.get(), nullptr, FALSE, G_FILE_CREATE_NONE, nullptr, &e.error)));
    if (!out)
        fail(QStringLiteral("Impossible de créer l'archive %1").arg(shown), e);
    WriteState state{0, &onItem};
    const bool written = gcab_cabinet_write_simple(cab.get(), out.get(), writeOne, &state, nullptr, &e.error);
    if (!written) {
        g_output_stream_close(out.get(), nullptr, nullptr);
        QFile::remove(archive);
        fail(QStringLiteral("L'écriture de l'archive %1 a échoué").arg(shown), e);
    }
    if (!g_output_stream_close(out.get(), nullptr, &e.error)) {
        QFile::remove(archive);
        fail(QStringLiteral("L'écriture de l'archive %1 a échoué").arg(shown), e);
    }
}

QStringList list(const QString &archive)
{
    Ref<GInputStream> stream;
    const Ref<GCabCabinet> cab = load(archive, stream);
    QStringList names;
    GPtrArray *folders = gcab_cabinet_get_folders(cab.get());
    for (guint i = 0; i < folders->len; ++i) {
        GSList *files = gcab_folder_get_files(GCAB_FOLDER(g_ptr_array_index(folders, i)));
        for (GSList *f = files; f; f = f->next)
            names << QString::fromUtf8(gcab_file_get_name(GCAB_FILE(f->data)));
        g_slist_free(files);
    }
    return names;
}

void extractAll(const QString &archive, const QString &folder, const ItemCallback &onItem)
{
    ExtractState state;
    state.onItem = &onItem;
    extract(archive, folder, state);
}

void compressFile(const QString &file, const QString &archive)
{
    if (!QFileInfo(file).isFile())
        throw Error(QStringLiteral("Le fichier %1 est introuvable").arg(QDir::toNativeSeparators(file)));
    write(archive, {{file, QFileInfo(file).fileName()}});
}

void extractFirst(const QString &archive, const QString &target)
{
    if (list(archive).isEmpty())
        throw Error(QStringLiteral("L'archive %1 est vide").arg(QDir::toNativeSeparators(archive)));
    const QFileInfo info(target);
    ExtractState state;
    state.only = 0;
    state.onlyName = info.fileName().toUtf8();
    extract(archive, info.absolutePath(), state);
}

} // namespace cabinet
