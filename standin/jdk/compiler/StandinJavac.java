import java.io.File;
import java.io.IOException;
import java.io.PrintStream;
import java.io.PrintWriter;
import java.io.StringWriter;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Comparator;
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

    private static final List<String> PATH_OPTIONS = Arrays.asList(
            "-d", "-classpath", "-cp", "-bootclasspath", "-sourcepath", "-extdirs");

    private final Map<String, String> givenNames = new HashMap<>();
    private final List<Problem> problems = new ArrayList<>();
    private final PrintStream out;
    private int errors;

    /** One complaint in javac's shape, kept so that all of them print in source order. */
    private static final class Problem {
        final String file;
        final int line;
        final String text;

        Problem(String file, int line, String text) {
            this.file = file;
            this.line = line;
            this.text = text;
        }
    }

    private final File base;

    private StandinJavac(PrintStream out, File base) {
        this.out = out;
        this.base = base;
    }

    public static void main(String[] args) throws IOException {
        System.exit(run(args, new PrintStream(System.out, true, "UTF-8")));
    }

    // For a build that compiles several trees in one virtual machine.
    public static int run(String[] args, PrintStream out) {
        return new StandinJavac(out, null).compile(args);
    }

    // For a virtual machine whose working folder is not the caller's: the
    // paths of the call are taken from base, and reported as given.
    public static int run(String[] args, PrintStream out, File base) {
        return new StandinJavac(out, base).compile(args);
    }

    private String resolved(String path) {
        return base == null || path.isEmpty() || new File(path).isAbsolute() ? path : new File(base, path).getPath();
    }

    private String resolvedList(String paths) {
        if (base == null)
            return paths;
        StringBuilder list = new StringBuilder();
        for (String path : paths.split(File.pathSeparator, -1))
            list.append(list.length() > 0 ? File.pathSeparator : "").append(resolved(path));
        return list.toString();
    }

    private int compile(String[] args) {
        List<String> options = new ArrayList<>(Arrays.asList(
                "-1.3", "-source", "1.3", "-target", "1.1", "-nowarn", "-encoding", "windows-31j", "-Xemacs"));
        String bootClassPath = null;
        boolean compilesFloat = false;
        boolean pathFollows = false;
        for (int i = 0; i < args.length; ++i) {
            String argument = args[i];
            // JDK 1.3 switches with no counterpart here.
            if (argument.equals("-O") || argument.startsWith("-J"))
                continue;
            if (pathFollows)
                argument = resolvedList(argument);
            else if (!argument.startsWith("-"))
                argument = resolved(argument);
            pathFollows = PATH_OPTIONS.contains(argument);
            if (argument.equals("-bootclasspath") && i + 1 < args.length)
                bootClassPath = resolvedList(args[i + 1]);
            if (argument.endsWith(".java"))
                givenNames.put(new File(argument).getAbsolutePath(), args[i]);
            // The class library's own tree, compiled against nothing but itself.
            compilesFloat |= argument.replace('\\', '/').endsWith("java/lang/Float.java")
                    || new File(argument, "java/lang/Float.java").isFile();
            options.add(argument);
        }
        if (bootClassPath != null && !compilesFloat && !FloatingPointUse.hasFloat(bootClassPath))
            refuseFloatingPoint();
        StringWriter report = new StringWriter();
        PrintWriter writer = new PrintWriter(report);
        boolean compiled = BatchCompiler.compile(options.toArray(new String[0]), writer, writer, null);
        writer.flush();
        rewrite(report.toString().split("\n", -1));
        problems.sort(Comparator.comparing((Problem p) -> p.file).thenComparingInt(p -> p.line));
        for (Problem problem : problems)
            out.print(problem.text);
        if (errors > 0)
            out.println(errors == 1 ? "1 error" : errors + " errors");
        return compiled && errors == 0 ? 0 : 1;
    }

    // CLDC 1.0 has no floating point, which Eclipse's compiler does not know.
    private void refuseFloatingPoint() {
        for (Map.Entry<String, String> given : givenNames.entrySet()) {
            String source = readSource(given.getKey());
            if (source == null)
                continue;
            String[] lines = source.split("\r\n|\r|\n", -1);
            int reportedLine = 0;
            for (FloatingPointUse.Use use : FloatingPointUse.find(source.replace("\r\n", "\n").replace('\r', '\n'))) {
                // The first use of a line says it; "float f = 1.5f" is one mistake.
                if (use.line == reportedLine)
                    continue;
                reportedLine = use.line;
                String line = lines[use.line - 1];
                ++errors;
                problems.add(new Problem(given.getValue(), use.line, given.getValue() + ":" + use.line + ": " + use.text
                        + " cannot be used: the boot class path has no java.lang.Float (CLDC 1.0 has no floating point)\n"
                        + line + "\n" + caretAt(line, use.column - 1) + "\n"));
            }
        }
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
        String name = givenNames.getOrDefault(file, file);
        StringBuilder text = new StringBuilder(name + ":" + lineNumber + ": " + prefix + header.group(4) + "\n");
        String source = caretLine == null ? null : sourceLine(file, lineNumber);
        if (source != null)
            text.append(source).append("\n").append(caret(source, caretLine)).append("\n");
        problems.add(new Problem(name, lineNumber, text.toString()));
    }

    // ecj shows the line without its indent; javac shows it whole.
    private static String caret(String source, String ecjCaret) {
        int indent = 0;
        while (indent < source.length() && Character.isWhitespace(source.charAt(indent)))
            ++indent;
        return caretAt(source, indent + Math.max(ecjCaret.indexOf('^'), 0));
    }

    private static String caretAt(String source, int column) {
        StringBuilder caret = new StringBuilder();
        for (int i = 0; i < column && i < source.length(); ++i)
            caret.append(source.charAt(i) == '\t' ? '\t' : ' ');
        return caret.append('^').toString();
    }

    private static String sourceLine(String file, int lineNumber) {
        String source = readSource(file);
        if (source == null)
            return null;
        String[] lines = source.split("\r\n|\r|\n", -1);
        return lineNumber >= 1 && lineNumber <= lines.length ? lines[lineNumber - 1] : null;
    }

    private static String readSource(String file) {
        try {
            return new String(Files.readAllBytes(new File(file).toPath()), SOURCE_CHARSET);
        } catch (IOException e) {
            return null;
        }
    }
}
