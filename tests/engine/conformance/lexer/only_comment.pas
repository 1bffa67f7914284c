{ only a comment }
