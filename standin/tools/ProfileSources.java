import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.TreeMap;
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
 */
final class ProfileSources {
    private static final List<String> ORDER = Arrays.asList(
            "DoJa-1.0", "DoJa-2.0", "DoJa-2.1", "DoJa-3.0", "DoJa-3.5", "DoJa-4.0", "DoJa-4.1", "DoJa-5.0", "DoJa-5.1");

    /** The tagged source, read once for all profiles. */
    static final class Tagged {
        private final Path root;
        private final Map<Path, List<String>> files = new TreeMap<>();

        Tagged(Path root) {
            this.root = root;
        }

        void writeTree(Path tree, int profile) throws IOException {
            Set<Path> kept = new HashSet<>();
            for (Map.Entry<Path, List<String>> source : files.entrySet()) {
                List<String> cut = cut(source.getValue(), profile, source.getKey().toString());
                if (cut == null)
                    continue;
                Path target = tree.resolve(root.relativize(source.getKey()).toString());
                kept.add(target);
                byte[] text = (String.join("\n", cut) + "\n").getBytes(StandardCharsets.UTF_8);
                if (Files.exists(target) && Arrays.equals(Files.readAllBytes(target), text))
                    continue;
                Files.createDirectories(target.getParent());
                Files.write(target, text);
            }
            // A class that left this profile must not linger from an earlier run.
            try (Stream<Path> walk = Files.walk(tree)) {
                for (Path stale : walk.filter(p -> p.toString().endsWith(".java") && !kept.contains(p)).collect(Collectors.toList()))
                    Files.delete(stale);
            }
        }
    }

    static Tagged read(Path root) throws IOException {
        Tagged tagged = new Tagged(root);
        try (Stream<Path> walk = Files.walk(root)) {
            for (Path source : walk.filter(p -> p.toString().endsWith(".java")).collect(Collectors.toList()))
                tagged.files.put(source, Files.readAllLines(source, StandardCharsets.UTF_8));
        }
        return tagged;
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
