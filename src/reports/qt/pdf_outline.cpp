#include "pdf_outline.h"

#include <QList>
#include <QString>
#include <vector>

namespace payvanta::reports::qt {

namespace {

// A number that follows a key in a dictionary ("/Size 42"), or -1.
long long numberAfter(const QByteArray& text, const QByteArray& key) {
    const qsizetype at = text.indexOf(key);
    if (at < 0) {
        return -1;
    }
    qsizetype i = at + key.size();
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    long long value = -1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = (value < 0 ? 0 : value * 10) + (text[i] - '0');
    }
    return value;
}

// The dictionary of object n, from "<<" to its last ">>", as Qt wrote it.
std::optional<QByteArray> objectDictionary(const QByteArray& pdf, long long n) {
    const QByteArray head = "\n" + QByteArray::number(n) + " 0 obj";
    const qsizetype at = pdf.indexOf(head);
    const qsizetype end = at < 0 ? -1 : pdf.indexOf("endobj", at);
    if (end < 0) {
        return std::nullopt;
    }
    const QByteArray body = pdf.mid(at + head.size(), end - at - head.size());
    const qsizetype open = body.indexOf("<<");
    const qsizetype close = body.lastIndexOf(">>");
    if (open < 0 || close < open) {
        return std::nullopt;
    }
    return body.mid(open, close - open + 2);
}

// The objects an array of references names, in order ("[3 0 R 7 0 R]").
std::vector<long long> references(const QByteArray& array) {
    std::vector<long long> found;
    const QList<QByteArray> words = array.simplified().split(' ');
    for (qsizetype i = 0; i + 2 < words.size(); ++i) {
        bool number = false;
        const long long n = words[i].toLongLong(&number);
        if (number && words[i + 1] == "0" && words[i + 2].startsWith('R')) {
            found.push_back(n);
        }
    }
    return found;
}

// A text string any reader decodes: UTF-16 big-endian with its byte order mark, in hex.
QByteArray textString(const std::string& text) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QByteArray out = "<FEFF";
    for (const QChar c : s) {
        out += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    }
    return out + ">";
}

// The dictionary with these entries added before its end.
QByteArray extended(const QByteArray& dictionary, const QByteArray& entries) {
    return dictionary.left(dictionary.size() - 2) + entries + ">>";
}

} // namespace

std::optional<QByteArray> withDocumentInfo(const QByteArray& pdf, const DocumentInfo& info) {
    // The last trailer says where everything is: the catalog, the information and the
    // cross-reference table the update refers back to.
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    if (trailerAt < 0) {
        return std::nullopt;
    }
    const QByteArray trailer = pdf.mid(trailerAt);
    const long long size = numberAfter(trailer, "/Size");
    const long long root = numberAfter(trailer, "/Root");
    const long long infoObject = numberAfter(trailer, "/Info");
    const long long previous = numberAfter(trailer, "startxref\n");
    const auto catalog = objectDictionary(pdf, root);
    const long long pagesObject = catalog ? numberAfter(*catalog, "/Pages") : -1;
    const auto pages = pagesObject < 0 ? std::nullopt : objectDictionary(pdf, pagesObject);
    const auto information = infoObject < 0 ? std::nullopt : objectDictionary(pdf, infoObject);
    if (size <= 0 || previous < 0 || !catalog || !pages || !information) {
        return std::nullopt;
    }
    const qsizetype kids = pages->indexOf("/Kids");
    const qsizetype kidsEnd = kids < 0 ? -1 : pages->indexOf(']', kids);
    if (kidsEnd < 0) {
        return std::nullopt;
    }
    const std::vector<long long> pageObjects = references(pages->mid(kids + 5, kidsEnd - kids - 5));

    QByteArray update = "\n";
    std::vector<std::pair<long long, qsizetype>> offsets;
    const auto object = [&](long long n, const QByteArray& dictionary) {
        offsets.emplace_back(n, pdf.size() + update.size());
        update += QByteArray::number(n) + " 0 obj\n" + dictionary + "\nendobj\n";
    };

    QByteArray catalogEntries;
    const std::size_t count = info.outline.size();
    if (count > 0) {
        // The outline's root, then one item for each section, each the next's sibling.
        const long long outlines = size;
        const auto item = [&](std::size_t i) {
            return QByteArray::number(outlines + 1 + static_cast<long long>(i)) + " 0 R";
        };
        object(outlines, "<< /Type /Outlines /First " + item(0) + " /Last " + item(count - 1) +
                             " /Count " + QByteArray::number(static_cast<qulonglong>(count)) +
                             " >>");
        for (std::size_t i = 0; i < count; ++i) {
            const OutlineEntry& entry = info.outline[i];
            if (entry.page < 0 || static_cast<std::size_t>(entry.page) >= pageObjects.size()) {
                return std::nullopt;
            }
            QByteArray d = "<< /Title " + textString(entry.title) + " /Parent " +
                           QByteArray::number(outlines) + " 0 R";
            if (i > 0) {
                d += " /Prev " + item(i - 1);
            }
            if (i + 1 < count) {
                d += " /Next " + item(i + 1);
            }
            d += " /Dest [" +
                 QByteArray::number(pageObjects[static_cast<std::size_t>(entry.page)]) +
                 " 0 R /Fit] >>";
            object(outlines + 1 + static_cast<long long>(i), d);
        }
        catalogEntries =
            "/Outlines " + QByteArray::number(outlines) + " 0 R\n/PageMode /UseOutlines\n";
    }
    // The catalog and the information are written again, with what they gain.
    object(root, extended(*catalog, catalogEntries));
    QByteArray infoEntries;
    if (!info.author.empty()) {
        infoEntries += "/Author " + textString(info.author) + "\n";
    }
    if (!info.subject.empty()) {
        infoEntries += "/Subject " + textString(info.subject) + "\n";
    }
    object(infoObject, extended(*information, infoEntries));

    const long long newSize = size + static_cast<long long>(count > 0 ? count + 1 : 0);
    const qsizetype xref = pdf.size() + update.size();
    update += "xref\n";
    for (const auto& [n, offset] : offsets) {
        // Entries of exactly twenty bytes, each object a subsection of its own.
        update += QByteArray::number(n) + " 1\n" +
                  QByteArray::number(static_cast<qlonglong>(offset)).rightJustified(10, '0') +
                  " 00000 n \n";
    }
    // A file's identifier, where it has one, stays in every trailer.
    const qsizetype id = trailer.indexOf("/ID");
    const qsizetype idEnd = id < 0 ? -1 : trailer.indexOf(']', id);
    const QByteArray identifier = idEnd < 0 ? QByteArray() : " " + trailer.mid(id, idEnd - id + 1);
    update += "trailer\n<< /Size " + QByteArray::number(newSize) + " /Root " +
              QByteArray::number(root) + " 0 R /Info " + QByteArray::number(infoObject) +
              " 0 R /Prev " + QByteArray::number(previous) + identifier + " >>\nstartxref\n" +
              QByteArray::number(static_cast<qlonglong>(xref)) + "\n%%EOF\n";
    return pdf + update;
}

} // namespace payvanta::reports::qt
