import java.io.File;
import java.util.ArrayList;
import java.util.List;

/**
 * A jar command line of the build's shape ("cMf ARCHIVE FILE..." or "uMf
 * ..."), rewritten for a virtual machine whose working folder is another:
 * the archive by its full path, each file as "-C FOLDER FILE", so that the
 * entries keep the names the cold tool gives them. Null for any other shape,
 * and for a file that does not exist, whose complaint only the cold tool
 * words right.
 */
final class JarArguments {
    private JarArguments() {
    }

    static String[] inFolder(String[] args, File folder) {
        if (args.length < 3 || !args[0].matches("[cu][M0]*f[M0]*"))
            return null;
        List<String> out = new ArrayList<>();
        out.add(args[0]);
        out.add(resolve(args[1], folder).getPath());
        for (int i = 2; i < args.length; ++i) {
            String name = args[i];
            if (name.startsWith("-") || new File(name).isAbsolute() || name.contains("..") || !resolve(name, folder).exists())
                return null;
            out.add("-C");
            out.add(folder.getPath());
            out.add(name);
        }
        return out.toArray(new String[0]);
    }

    private static File resolve(String name, File folder) {
        File file = new File(name);
        return file.isAbsolute() ? file : new File(folder, name);
    }
}
