#include "build/html_writer.h"

#include "app/code_page.h"
#include "app/line_ends.h"
#include "app/opened_project.h"
#include "app/text_file.h"

namespace {

// The page is published on the web: a quote or an angle bracket in a name or
// an address must not end an attribute or open an element.
QString escaped(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': result += QStringLiteral("&amp;"); break;
        case '<': result += QStringLiteral("&lt;"); break;
        case '>': result += QStringLiteral("&gt;"); break;
        case '\'': result += QStringLiteral("&#39;"); break;
        case '"': result += QStringLiteral("&quot;"); break;
        default: result += c;
        }
    }
    return result;
}

} // namespace

QString webFolderAddress(const QString &webUrl)
{
    for (const QLatin1String scheme : {QLatin1String("http://"), QLatin1String("https://")}) {
        if (webUrl.startsWith(scheme, Qt::CaseInsensitive))
            return webUrl;
    }
    return QStringLiteral("http://") + webUrl;
}

QString MakeHtmlText(const QString &project, const QString &webUrl)
{
    const QString name = escaped(project);
    const QString web = escaped(webFolderAddress(webUrl));
    return QStringLiteral("<HTML><HEAD><TITLE>") + name + QStringLiteral("</TITLE></HEAD>") + kCrLf
           + QStringLiteral("<BODY><BR><BR>") + kCrLf
           + QStringLiteral("<OBJECT declare id='b' data='") + web + QLatin1Char('/') + name
           + QStringLiteral(".jam' type='application/x-jam'>") + kCrLf
           + name + QStringLiteral("</OBJECT><BR>") + kCrLf
           + QStringLiteral("<A ijam='#b' href='") + name + QStringLiteral(".htm'>") + name
           + QStringLiteral("をダウンロード</A><BR>") + kCrLf
           + QStringLiteral("</BODY></HTML>") + kCrLf;
}

Result<> WriteHtmlFile(const OpenedProject &project, const QString &webUrl)
{
    // Named by its key: a line and column of the page would point at a file
    // the user never wrote.
    if (!toCodePage(webUrl))
        return Result<>::failure(QStringLiteral("Tovra.iniのWebUrlの値に、Shift_JIS(Windows-31J)で書けない文字か"
                                              "読みこめなかったバイトがあります。WebUrlを直してください。"));
    return writeCodePageFile(project.paths.page(), MakeHtmlText(project.name, webUrl) + kCrLf);
}
