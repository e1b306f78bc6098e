import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.OutputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Comparator;
import java.util.List;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.stream.Collectors;
import java.util.stream.Stream;
import java.util.zip.ZipEntry;
import java.util.zip.ZipOutputStream;

/**
 * Builds the API archive of each profile: cuts the tagged source into the
 * profile's tree, compiles it with the stand-in javac against nothing but
 * itself, and zips the classes into LIB/profiles/PROFILE/dojaapi.jar. One
 * virtual machine for all profiles, two at a time: a compiler started per
 * profile would spend most of the build starting up.
 *
 * java ProfileArchives SOURCE-ROOT WORK-DIR LIB-DIR PROFILE...
 */
public final class ProfileArchives {
    public static void main(String[] args) throws Exception {
        if (args.length < 4) {
            System.err.println("usage: ProfileArchives SOURCE-ROOT WORK-DIR LIB-DIR PROFILE...");
            System.exit(2);
        }
        Path sourceRoot = Paths.get(args[0]);
        Path work = Paths.get(args[1]);
        Path lib = Paths.get(args[2]);
        Path noClasses = Files.createDirectories(work.resolve("no-classes"));
        ProfileSources.Tagged tagged = ProfileSources.read(sourceRoot);

        ExecutorService pool = Executors.newFixedThreadPool(2);
        List<Future<String>> reports = new ArrayList<>();
        for (String profile : Arrays.asList(args).subList(3, args.length)) {
            reports.add(pool.submit(() -> build(tagged, profile, work, noClasses, lib.resolve("profiles").resolve(profile))));
        }
        pool.shutdown();
        boolean failed = false;
        for (Future<String> report : reports) {
            String text = report.get();
            if (text != null) {
                System.out.print(text);
                failed = true;
            }
        }
        System.exit(failed ? 1 : 0);
    }

    // Null when the archive was made, else what went wrong.
    private static String build(ProfileSources.Tagged tagged, String profile, Path work, Path noClasses, Path archiveDir)
            throws IOException {
        Path tree = work.resolve("profile-sources").resolve(profile);
        Path classes = work.resolve("profile-classes").resolve(profile);
        try {
            tagged.writeTree(tree, ProfileSources.rank(profile, "the command line", 0));
        } catch (ProfileSources.TagError e) {
            return e.getMessage() + "\n";
        }
        deleteTree(classes);
        Files.createDirectories(classes);
        ByteArrayOutputStream report = new ByteArrayOutputStream();
        int status = StandinJavac.run(new String[] {"-d", classes.toString(), "-bootclasspath", noClasses.toString(), tree.toString()},
                new PrintStream(report, true, "UTF-8"));
        if (status != 0)
            return profile + ":\n" + new String(report.toByteArray(), StandardCharsets.UTF_8);
        Files.createDirectories(archiveDir);
        zip(classes, archiveDir.resolve("dojaapi.jar"));
        return null;
    }

    private static void zip(Path classes, Path archive) throws IOException {
        List<Path> files;
        try (Stream<Path> walk = Files.walk(classes)) {
            files = walk.filter(Files::isRegularFile).sorted().collect(Collectors.toList());
        }
        Path partial = archive.resolveSibling(archive.getFileName() + ".part");
        try (OutputStream file = Files.newOutputStream(partial); ZipOutputStream zip = new ZipOutputStream(file)) {
            for (Path classFile : files) {
                zip.putNextEntry(new ZipEntry(classes.relativize(classFile).toString().replace('\\', '/')));
                zip.write(Files.readAllBytes(classFile));
                zip.closeEntry();
            }
        }
        Files.move(partial, archive, java.nio.file.StandardCopyOption.REPLACE_EXISTING);
    }

    private static void deleteTree(Path root) throws IOException {
        if (!Files.exists(root))
            return;
        try (Stream<Path> walk = Files.walk(root)) {
            for (Path p : walk.sorted(Comparator.reverseOrder()).collect(Collectors.toList()))
                Files.delete(p);
        }
    }
}
