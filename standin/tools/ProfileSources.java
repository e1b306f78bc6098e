import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.HashSet;
import java.util.List;
import java.util.Set;
import java.util.stream.Collectors;
import java.util.stream.Stream;

/**
 * Cuts the one tagged source of the handset's API into a source tree per
 * profile:
 *
 *   //#since DoJa-2.0     first line of a file: the class came with DoJa-2.0
 *   //#if DoJa-3.0        the lines up to //#else or //#endif came with DoJa-3.0
 *   //#else               what profiles before it have instead
 *   //#endif
 *
 * CLDC-1.1 names the profile that brought it, DoJa-4.0. Lines left out become
 * blank lines, so that the compiler's line numbers are those of the tagged
 * source. A file is only written when its text changes, so the trees' times
 * stay those of the last real change.
 *
 * java ProfileSources SOURCE-ROOT OUT-ROOT PROFILE...
 */
public final class ProfileSources {
    private static final List<String> ORDER = Arrays.asList(
            "DoJa-1.0", "DoJa-2.0", "DoJa-2.1", "DoJa-3.0", "DoJa-3.5", "DoJa-4.0", "DoJa-4.1", "DoJa-5.0", "DoJa-5.1");

    public static void main(String[] args) throws IOException {
        if (args.length < 3) {
            System.err.println("usage: ProfileSources SOURCE-ROOT OUT-ROOT PROFILE...");
            System.exit(2);
        }
        Path sourceRoot = Paths.get(args[0]);
        Path outRoot = Paths.get(args[1]);
        List<Path> sources;
        try (Stream<Path> walk = Files.walk(sourceRoot)) {
            sources = walk.filter(p -> p.toString().endsWith(".java")).sorted().collect(Collectors.toList());
        }
        try {
            for (String profile : Arrays.asList(args).subList(2, args.length))
                writeTree(sourceRoot, sources, outRoot.resolve(profile), rank(profile, "the command line", 0));
        } catch (TagError e) {
            System.err.println(e.getMessage());
            System.exit(1);
        }
    }

    private static void writeTree(Path sourceRoot, List<Path> sources, Path tree, int profile) throws IOException {
        Set<Path> kept = new HashSet<>();
        for (Path source : sources) {
            List<String> lines = Files.readAllLines(source, StandardCharsets.UTF_8);
            List<String> cut = cut(lines, profile, source.toString());
            if (cut == null)
                continue;
            Path target = tree.resolve(sourceRoot.relativize(source).toString());
            kept.add(target);
            byte[] text = (String.join("\n", cut) + "\n").getBytes(StandardCharsets.UTF_8);
            if (Files.exists(target) && Arrays.equals(Files.readAllBytes(target), text))
                continue;
            Files.createDirectories(target.getParent());
            Files.write(target, text);
        }
        if (!Files.isDirectory(tree))
            return;
        // A class that left this profile must not linger from an earlier run.
        try (Stream<Path> walk = Files.walk(tree)) {
            for (Path stale : walk.filter(p -> p.toString().endsWith(".java") && !kept.contains(p)).collect(Collectors.toList()))
                Files.delete(stale);
        }
    }

    // The file's lines for the profile, or null when the class is not in it.
    static List<String> cut(List<String> lines, int profile, String file) {
        List<String> out = new ArrayList<>(lines.size());
        int since = -1;   // of the open //#if block, -1 outside one
        boolean inElse = false;
        int openedAt = 0;
        for (int i = 0; i < lines.size(); ++i) {
            String line = lines.get(i);
            String tag = line.trim();
            if (tag.startsWith("//#since ")) {
                if (i != 0)
                    throw new TagError(file, i + 1, "//#since belongs on the first line");
                if (rank(tag.substring(9).trim(), file, i + 1) > profile)
                    return null;
                out.add("");
            } else if (tag.startsWith("//#if ")) {
                if (since >= 0)
                    throw new TagError(file, i + 1, "//#if inside the //#if of line " + openedAt);
                since = rank(tag.substring(6).trim(), file, i + 1);
                inElse = false;
                openedAt = i + 1;
                out.add("");
            } else if (tag.equals("//#else")) {
                if (since < 0 || inElse)
                    throw new TagError(file, i + 1, "//#else without its //#if");
                inElse = true;
                out.add("");
            } else if (tag.equals("//#endif")) {
                if (since < 0)
                    throw new TagError(file, i + 1, "//#endif without its //#if");
                since = -1;
                out.add("");
            } else if (tag.startsWith("//#")) {
                throw new TagError(file, i + 1, "unknown tag " + tag);
            } else {
                boolean shown = since < 0 || (inElse ? since > profile : since <= profile);
                out.add(shown ? line : "");
            }
        }
        if (since >= 0)
            throw new TagError(file, openedAt, "//#if without //#endif");
        return out;
    }

    static int rank(String profile, String file, int line) {
        int rank = ORDER.indexOf(profile.equals("CLDC-1.1") ? "DoJa-4.0" : profile);
        if (rank < 0)
            throw new TagError(file, line, "unknown profile " + profile + " (known: " + String.join(", ", ORDER) + ", CLDC-1.1)");
        return rank;
    }

    static final class TagError extends RuntimeException {
        TagError(String file, int line, String message) {
            super(file + ":" + line + ": " + message);
        }
    }
}
