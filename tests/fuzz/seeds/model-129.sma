5
0, "quoted, with comma"
3.5, 
8, "quoted, with comma"
16, x
24.5, x
2
1, 1, 1, "quoted, with comma"
5, 1, 0, x
2
2.1e+11, span
2.1e+11, span
1
8.5E-6, "quoted, with comma"
4
1, 2, 1, 1, x
2, 3, 2
1, span
3, 4, 1, 1, 
4, 5, 2, 1, "quoted, with comma"
4
4, 1
-4, 0, 1
0.25, x
3, 2, -1, -5, 0.5, 0, span
2, 2, 4, 1, 0, 0, span
1
1, 3, 3, 1, 0, span
2
3, 0, 1, 
1
0, 1, 
