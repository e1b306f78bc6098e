import java.io.File;
import java.io.IOException;
import java.util.ArrayList;
import java.util.List;
import java.util.zip.ZipFile;

/**
 * Finds the floating point in Java sources: the keywords float and double
 * and the floating-point literals, outside comments, strings and characters.
 * A handset of CLDC 1.0 has no floating point, yet Eclipse's compiler accepts
 * float arithmetic without java.lang.Float; so when the boot class path lacks
 * that class, every such use is refused here as javac would refuse an unknown
 * type.
 */
final class FloatingPointUse {
    /** One use: its line and column (both from 1) and its text. */
    static final class Use {
        final int line;
        final int column;
        final String text;

        Use(int line, int column, String text) {
            this.line = line;
            this.column = column;
            this.text = text;
        }
    }

    private FloatingPointUse() {
    }

    // True when the path list holds java/lang/Float.class, in a folder or an archive.
    static boolean hasFloat(String classPath) {
        for (String entry : classPath.split(File.pathSeparator)) {
            File file = new File(entry.isEmpty() ? "." : entry);
            if (file.isDirectory()) {
                if (new File(file, "java/lang/Float.class").isFile())
                    return true;
            } else if (file.isFile()) {
                try (ZipFile archive = new ZipFile(file)) {
                    if (archive.getEntry("java/lang/Float.class") != null)
                        return true;
                } catch (IOException e) {
                    // Not an archive: javac passes over it too.
                }
            }
        }
        return false;
    }

    static List<Use> find(String source) {
        List<Use> uses = new ArrayList<>();
        int line = 1;
        int lineStart = 0;
        int i = 0;
        int n = source.length();
        while (i < n) {
            char c = source.charAt(i);
            if (c == '\n') {
                ++line;
                lineStart = ++i;
            } else if (source.startsWith("//", i)) {
                while (i < n && source.charAt(i) != '\n')
                    ++i;
            } else if (source.startsWith("/*", i)) {
                int end = source.indexOf("*/", i + 2);
                end = end < 0 ? n : end + 2;
                for (int k = i; k < end; ++k) {
                    if (source.charAt(k) == '\n') {
                        ++line;
                        lineStart = k + 1;
                    }
                }
                i = end;
            } else if (c == '"' || c == '\'') {
                i = quotedEnd(source, i);
            } else if (Character.isJavaIdentifierStart(c)) {
                int start = i;
                while (i < n && Character.isJavaIdentifierPart(source.charAt(i)))
                    ++i;
                String word = source.substring(start, i);
                if (word.equals("float") || word.equals("double"))
                    uses.add(new Use(line, start - lineStart + 1, word));
            } else if (Character.isDigit(c) || (c == '.' && i + 1 < n && Character.isDigit(source.charAt(i + 1)))) {
                int start = i;
                i = numberEnd(source, i);
                String number = source.substring(start, i);
                if (isFloatingLiteral(number))
                    uses.add(new Use(line, start - lineStart + 1, number));
            } else {
                ++i;
            }
        }
        return uses;
    }

    // Past the closing quote, or at the line end of an unclosed one (the compiler reports that).
    private static int quotedEnd(String source, int open) {
        char quote = source.charAt(open);
        int i = open + 1;
        while (i < source.length()) {
            char c = source.charAt(i);
            if (c == '\\')
                i += 2;
            else if (c == quote)
                return i + 1;
            else if (c == '\n')
                return i;
            else
                ++i;
        }
        return i;
    }

    private static int numberEnd(String source, int i) {
        boolean hex = source.startsWith("0x", i) || source.startsWith("0X", i);
        while (i < source.length()) {
            char c = source.charAt(i);
            boolean exponentSign = !hex && (c == '+' || c == '-') && "eE".indexOf(source.charAt(i - 1)) >= 0;
            if (!Character.isLetterOrDigit(c) && c != '.' && c != '_' && !exponentSign)
                break;
            ++i;
        }
        return i;
    }

    static boolean isFloatingLiteral(String number) {
        if (number.startsWith("0x") || number.startsWith("0X"))
            return false;
        char last = number.charAt(number.length() - 1);
        return number.indexOf('.') >= 0 || number.indexOf('e') >= 0 || number.indexOf('E') >= 0
                || "fFdD".indexOf(last) >= 0;
    }
}
