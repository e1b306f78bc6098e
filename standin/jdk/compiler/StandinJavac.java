import java.io.File;
import java.io.IOException;
import java.io.PrintStream;
import java.io.PrintWriter;
import java.io.StringWriter;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

import org.eclipse.jdt.core.compiler.batch.BatchCompiler;

/**
 * The stand-in for the JDK 1.3 compiler: Eclipse's batch compiler at Java 1.3
 * compliance, writing 1.1 class files as JDK 1.3's javac does by default.
 * Its report is rewritten into javac's shape, "file:line: message", the
 * source line and a caret under the column, then the count of errors, so
 * that a clean compile prints nothing at all.
 */
public final class StandinJavac {
    private static final Charset SOURCE_CHARSET = Charset.forName("windows-31j");
    // ecj -Xemacs: "/abs/File.java:12: error: message"
    private static final Pattern HEADER = Pattern.compile("^(.+):(\\d+): (error|warning|info): (.*)$");
    private static final Pattern SUMMARY = Pattern.compile("^\\d+ problems? \\(.*\\)$");

    private final Map<String, String> givenNames = new HashMap<>();
    private final PrintStream out;
    private int errors;

    private StandinJavac(PrintStream out) {
        this.out = out;
    }

    public static void main(String[] args) throws IOException {
        System.exit(run(args, new PrintStream(System.out, true, "UTF-8")));
    }

    // For a build that compiles several trees in one virtual machine.
    public static int run(String[] args, PrintStream out) {
        return new StandinJavac(out).compile(args);
    }

    private int compile(String[] args) {
        List<String> options = new ArrayList<>(Arrays.asList(
                "-1.3", "-source", "1.3", "-target", "1.1", "-nowarn", "-encoding", "windows-31j", "-Xemacs"));
        for (String argument : args) {
            // JDK 1.3 switches with no counterpart here.
            if (argument.equals("-O") || argument.startsWith("-J"))
                continue;
            if (argument.endsWith(".java"))
                givenNames.put(new File(argument).getAbsolutePath(), argument);
            options.add(argument);
        }
        StringWriter report = new StringWriter();
        PrintWriter writer = new PrintWriter(report);
        boolean compiled = BatchCompiler.compile(options.toArray(new String[0]), writer, writer, null);
        writer.flush();
        rewrite(report.toString().split("\n", -1));
        if (errors > 0)
            out.println(errors == 1 ? "1 error" : errors + " errors");
        return compiled && errors == 0 ? 0 : 1;
    }

    private void rewrite(String[] lines) {
        for (int i = 0; i < lines.length; ++i) {
            String line = lines[i];
            Matcher header = HEADER.matcher(line);
            if (header.matches()) {
                boolean withSource = i + 2 < lines.length && lines[i + 1].startsWith("\t") && lines[i + 2].startsWith("\t");
                problem(header, withSource ? lines[i + 2].substring(1) : null);
                if (withSource)
                    i += 2;
            } else if (!line.isEmpty() && !SUMMARY.matcher(line).matches() && !line.startsWith("incorrect classpath: ")) {
                // javac passes over class path entries that do not exist.
                out.println(line);
            }
        }
    }

    private void problem(Matcher header, String caretLine) {
        String file = header.group(1);
        int lineNumber = Integer.parseInt(header.group(2));
        String kind = header.group(3);
        if (kind.equals("error"))
            ++errors;
        String prefix = kind.equals("error") ? "" : kind + ": ";
        out.println(givenNames.getOrDefault(file, file) + ":" + lineNumber + ": " + prefix + header.group(4));
        if (caretLine == null)
            return;
        String source = sourceLine(file, lineNumber);
        if (source == null)
            return;
        out.println(source);
        out.println(caret(source, caretLine));
    }

    // ecj shows the line without its indent; javac shows it whole.
    private static String caret(String source, String ecjCaret) {
        int indent = 0;
        while (indent < source.length() && Character.isWhitespace(source.charAt(indent)))
            ++indent;
        int column = indent + Math.max(ecjCaret.indexOf('^'), 0);
        StringBuilder caret = new StringBuilder();
        for (int i = 0; i < column && i < source.length(); ++i)
            caret.append(source.charAt(i) == '\t' ? '\t' : ' ');
        return caret.append('^').toString();
    }

    private static String sourceLine(String file, int lineNumber) {
        try {
            String[] lines = new String(Files.readAllBytes(new File(file).toPath()), SOURCE_CHARSET).split("\r\n|\r|\n", -1);
            return lineNumber >= 1 && lineNumber <= lines.length ? lines[lineNumber - 1] : null;
        } catch (IOException e) {
            return null;
        }
    }
}
